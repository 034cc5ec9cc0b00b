#pragma once

// The checks the feed's fuzzer runs on each input (the public key, .minisig
// and feed.conf readers), shared with the test suite's replay of committed
// inputs. Returns an empty string when every check holds, else what failed.

#include <cstddef>
#include <cstdint>
#include <string>

namespace FeedCheck {

std::string check(const std::uint8_t* data, std::size_t size);

} // namespace FeedCheck
