#include "app/FeedCommands.h"
#include "app/Universe.h"

int main(int argc, char* argv[])
{
    // The commands without a window need no display.
    if (const std::optional<int> code = app::runFeedCommand(argc, argv))
        return *code;
    return app::Main(argc, argv);
}
