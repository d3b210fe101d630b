// Loading a ".mlt" list as it is read: entries go into the playlist piece by piece, and a list that cannot be
// read to its end, or that the playlist cannot hold, ends with "File Not Found" and keeps what went in. Which
// bytes are read as UTF-8 and which in the ANSI code page, and the list written so that it reads back.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "fakes/fake_code_page.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_files.h"
#include "fakes/fake_folders.h"
#include "fakes/fake_form.h"
#include "playlist/list_file_format.h"
#include "playlist/playlist_files.h"

namespace orv {
namespace {

// The longest entry a list gives: the longest path the system can name.
constexpr std::size_t kLongestEntry = 32767;
constexpr std::uint64_t kGigabyte = std::uint64_t{1} << 30;

// A playlist that holds at most `capacity` entries and quietly refuses the rest, as a list box does when its
// memory runs out.
class LimitedListBox : public testing::FakeListBox {
  public:
    void AddItem(const Text& text) override {
        if (items.size() < capacity) {
            items.push_back(text);
        }
    }
    std::size_t capacity = std::numeric_limits<std::size_t>::max();
};

class LoadingAList : public ::testing::Test {
  protected:
    // Loads the list at `path` into the playlist; true when it said "File Not Found".
    bool Load() {
        dialogs.shown.clear();
        dialogs.openChoices = {{path, L"mix.mlt"}};
        playlistFiles.Load();
        return dialogs.Messages() == std::vector<Text>{L"File Not Found"};
    }

    const Text path = L"C:\\lists\\mix.mlt";
    LimitedListBox List1;
    testing::FakeDialogs dialogs;
    testing::FakeFiles files;
    testing::FakeFolders folders;
    testing::FakeCodePage codePage;
    testing::FakeForm frmJubo{WindowSpec{.name = "frmJubo"}};
    PlaylistFiles playlistFiles{List1, dialogs, frmJubo, files, folders, codePage};
};

TEST_F(LoadingAList, EntriesReadBeforeAFailureStayInThePlaylist) {
    List1.items = {L"old.mp3"};
    files.contents[path] = "one.mp3\r\ntwo.mp3\r\nthree.mp3\r\n";
    files.mostPerRead = 4;
    files.readFailsAfter = 20;  // within "three.mp3"
    EXPECT_TRUE(Load());
    EXPECT_EQ(List1.items, (std::vector<Text>{L"old.mp3", L"one.mp3", L"two.mp3"}));
}

TEST_F(LoadingAList, AListLargerThanThePlaylistCanHoldEndsWhenThePlaylistIsFull) {
    // Larger than any size a 32-bit count could hold; its bytes are only made as they are read.
    files.largeFiles[path] = {"song.mp3\r\n", 16 * kGigabyte + 10};
    List1.capacity = 150000;
    EXPECT_TRUE(Load());
    EXPECT_EQ(List1.items.size(), 150000u);
    EXPECT_EQ(List1.items.back(), L"song.mp3");
    EXPECT_LT(files.bytesRead, 150000u * 10 + 4 * 1024 * 1024)
        << "reading stops soon after the playlist is full";
}

TEST_F(LoadingAList, AListLongerThanThePlaylistTakesStopsAtTheLimitAndSaysSo) {
    struct Case {
        const char* what;
        std::size_t before;
        testing::FakeFiles::LargeFile file;
        std::size_t after;
    };
    constexpr auto kMost = static_cast<std::size_t>(kMostPlaylistEntries);
    constexpr std::size_t kLine = 30000;
    const std::vector<Case> cases = {
        {"entries", 0, {"song.mp3\r\n", 16 * kGigabyte}, kMost},
        {"entries, two places left", kMost - 2, {"song.mp3\r\n", 16 * kGigabyte}, kMost},
        {"a full playlist", kMost, {"a\r\n", 3}, kMost},
        {"characters", 1, {AnsiText(kLine, 'x') + "\r\n", 8 * kGigabyte}, 1 + kMostListCharacters / kLine},
    };
    for (const Case& c : cases) {
        List1.items.assign(c.before, L"old.mp3");
        files.bytesRead = 0;
        files.largeFiles[path] = c.file;
        Load();
        EXPECT_EQ(dialogs.Messages(), std::vector<Text>{kListTooLongForThePlaylist}) << c.what;
        ASSERT_EQ(List1.items.size(), c.after) << c.what;
        EXPECT_EQ(List1.items.front(), c.before > 0 ? L"old.mp3" : L"song.mp3") << c.what;
        EXPECT_LT(files.bytesRead, (c.after - c.before) * c.file.pattern.size() + 4 * 1024 * 1024)
            << c.what << ": reading stops soon after the limit";
    }
}

TEST_F(LoadingAList, AnEntryLongerThanAnyPathEndsTheLoad) {
    struct Case {
        const char* what;
        testing::FakeFiles::LargeFile file;
        std::vector<Text> entries;
    };
    const AnsiText longest(kLongestEntry, 'x');
    const std::vector<Case> cases = {
        {"the longest entry there can be",
         {"a\r\n" + longest + "\r\n", 2 * (kLongestEntry + 5)},
         {L"a", Text(kLongestEntry, L'x'), L"a", Text(kLongestEntry, L'x')}},
        {"one character more", {"a\r\n" + longest + "x\r\n", 2 * (kLongestEntry + 6)}, {L"a"}},
        {"a line that never ends", {"x", 8 * kGigabyte}, {}},
    };
    for (const Case& c : cases) {
        List1.items.clear();
        files.bytesRead = 0;
        files.largeFiles[path] = c.file;
        EXPECT_EQ(Load(), c.entries.size() < 4) << c.what;
        EXPECT_EQ(List1.items, c.entries) << c.what;
        EXPECT_LT(files.bytesRead, 4u * 1024 * 1024) << c.what;
    }
}

TEST_F(LoadingAList, LinesAreTheSameWhateverPiecesTheFileIsReadIn) {
    const AnsiText bytes =
        "\xEF\xBB\xBF"
        "a\r\n\r\nb\rc\nd\xC3\xA9\r\n\r\ne";
    const std::vector<Text> entries = {L"a", L"", L"b", L"c", L"d\u00E9", L"", L"e"};
    files.contents[path] = bytes;
    for (std::size_t piece = 1; piece <= bytes.size(); ++piece) {
        List1.items.clear();
        files.mostPerRead = piece;
        EXPECT_FALSE(Load()) << piece;
        EXPECT_EQ(List1.items, entries) << "in pieces of " << piece;
    }
}

TEST_F(LoadingAList, OnlyAMarkFollowedByWellFormedUtf8ReadsAsUtf8) {
    struct Case {
        const char* what;
        AnsiText bytes;
        std::vector<Text> entries;
    };
    const std::vector<Case> cases = {
        {"UTF-8 behind the mark",
         "\xEF\xBB\xBF"
         "caf\xC3\xA9\r\n\xE6\x97\xA5\r\n",
         {L"caf\u00E9", L"\u65E5"}},
        {"the mark alone", "\xEF\xBB\xBF", {}},
        {"a broken sequence behind the mark",
         "\xEF\xBB\xBF"
         "caf\xE9\r\n",
         {L"\u00EF\u00BB\u00BF"
          L"caf\u00E9"}},
        {"a broken sequence far behind the mark",
         "\xEF\xBB\xBF"
         "caf\xC3\xA9\r\n" +
             AnsiText(5000, 'x') + "\xC0\xAF",
         {L"\u00EF\u00BB\u00BF"
          L"caf\u00C3\u00A9",
          Text(5000, L'x') + L"\u00C0\u00AF"}},
        {"an encoded surrogate behind the mark",
         "\xEF\xBB\xBF\xED\xA0\x80",
         {L"\u00EF\u00BB\u00BF\u00ED\u00A0\u0080"}},
        {"half a mark",
         "\xEF\xBB"
         "a",
         {L"\u00EF\u00BB"
          L"a"}},
        {"UTF-8 without the mark", "caf\xC3\xA9", {L"caf\u00C3\u00A9"}},
    };
    files.mostPerRead = 1000;
    for (const Case& c : cases) {
        List1.items.clear();
        files.contents[path] = c.bytes;
        EXPECT_FALSE(Load()) << c.what;
        EXPECT_EQ(List1.items, c.entries) << c.what;
    }
}

// A code page the system refuses to convert in.
class RefusedCodePage : public testing::FakeCodePage {
  public:
    AnsiText ToAnsi(const Text&) const override { throw CodePageError("refused"); }
    Text FromAnsi(const AnsiText&) const override { throw CodePageError("refused"); }
};

TEST(PlaylistFiles, AFailedConversionSavesNothingAndLoadsNothingAndSaysSo) {
    testing::FakeListBox List1{L"a.mp3"};
    testing::FakeDialogs dialogs;
    testing::FakeFiles files;
    testing::FakeFolders folders;
    const RefusedCodePage codePage;
    const testing::FakeForm frmJubo{WindowSpec{.name = "frmJubo"}};
    PlaylistFiles playlistFiles{List1, dialogs, frmJubo, files, folders, codePage};
    dialogs.answers = {Text(L"mix")};
    playlistFiles.Save();
    EXPECT_TRUE(files.contents.empty());
    files.contents[L"C:\\mix.mlt"] = "b.mp3\r\n";
    dialogs.openChoices = {{L"C:\\mix.mlt", L"mix.mlt"}};
    playlistFiles.Load();
    EXPECT_EQ(List1.items, std::vector<Text>{L"a.mp3"});
    ASSERT_EQ(dialogs.Messages().size(), 2u);
    EXPECT_EQ(dialogs.Messages()[1], L"File Not Found");
}

TEST(ListFileBytes, AListWhoseAnsiFormWouldStartLikeTheMarkIsWrittenAsUtf8) {
    const testing::FakeCodePage codePage;
    const std::vector<Text> entries = {
        L"\u00EF\u00BB\u00BF"
        L"x"};
    EXPECT_EQ(ListFileBytes(entries, codePage), "\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBFx\r\n");
    EXPECT_EQ(ListFileEntries(ListFileBytes(entries, codePage), codePage), entries);
}

}  // namespace
}  // namespace orv
