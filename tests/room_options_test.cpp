// The stand-in room's link to an IRC channel on its command line.
#include <gtest/gtest.h>

#include "chatroom/room_options.h"

namespace chatroom {
namespace {

TEST(RoomOptions, AnIrcLinkNeedsItsServerChannelAndNickAndAPortThatIsOne) {
    const struct {
        std::vector<std::wstring> arguments;
        bool valid;
        const wchar_t* host;
        const wchar_t* port;
    } cases[] = {
        {{L"--irc", L"irc.example.net", L"--channel", L"#room", L"--nick", L"Orv"},
         true,
         L"irc.example.net",
         L"6667"},
        {{L"--irc", L"127.0.0.1:16667", L"--channel", L"&local", L"--nick", L"Orv"},
         true,
         L"127.0.0.1",
         L"16667"},
        {{L"--irc", L"[::1]:7000", L"--channel", L"#room", L"--nick", L"Orv"}, true, L"::1", L"7000"},
        {{L"--irc", L"::1", L"--channel", L"#room", L"--nick", L"Orv"}, true, L"::1", L"6667"},
        {{L"--irc", L"host:", L"--channel", L"#room", L"--nick", L"Orv"}, false, L"", L""},
        {{L"--irc", L"host:0", L"--channel", L"#room", L"--nick", L"Orv"}, false, L"", L""},
        {{L"--irc", L"host:65536", L"--channel", L"#room", L"--nick", L"Orv"}, false, L"", L""},
        {{L"--irc", L"[::1]x", L"--channel", L"#room", L"--nick", L"Orv"}, false, L"", L""},
        {{L"--irc", L"host", L"--channel", L"room", L"--nick", L"Orv"}, false, L"", L""},
        {{L"--irc", L"host", L"--channel", L"#a room", L"--nick", L"Orv"}, false, L"", L""},
        {{L"--irc", L"host", L"--channel", L"#room"}, false, L"", L""},
        {{L"--channel", L"#room", L"--nick", L"Orv"}, false, L"", L""},
    };
    for (const auto& c : cases) {
        const std::optional<RoomOptions> options = ParseRoomOptions(c.arguments);
        ASSERT_EQ(options.has_value(), c.valid) << ::testing::PrintToString(c.arguments);
        if (options) {
            EXPECT_EQ(options->ircHost, c.host);
            EXPECT_EQ(options->ircPort, c.port);
        }
    }
    EXPECT_TRUE(ParseRoomOptions({})->ircHost.empty()) << "no link without --irc";
}

}  // namespace
}  // namespace chatroom
