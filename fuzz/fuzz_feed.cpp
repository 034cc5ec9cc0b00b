// libFuzzer entry for the feed's readers of untrusted text: the public key,
// the .minisig and feed.conf.
#include "fuzz/entry.h"
#include "fuzz/feed_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return runFuzzCheck("feed", FeedCheck::check, data, size);
}
