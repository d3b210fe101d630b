// "Save"'s list names: a name is taken exactly when it can be a file's name in the program's folder, and
// "Save" writes there only such a name.
#include "fakes/fake_code_page.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_files.h"
#include "fakes/fake_folders.h"
#include "fakes/fake_form.h"
#include "fuzz/fuzz_support.h"
#include "playlist/list_file_format.h"
#include "playlist/playlist_files.h"

namespace {

using orv::Text;
using orv::fuzz::Check;

wchar_t AsciiUpper(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

// Windows' own rules: no control character and none of \ / : * ? " < > |; and no device name, that is the
// part before the first dot, without its trailing blanks, in any case, is not CON, PRN, AUX, NUL, CONIN$,
// CONOUT$, nor COM or LPT with a digit, where the superscript digits 1, 2 and 3 count as digits too.
bool CanBeAFileName(const Text& name) {
    for (wchar_t c : name) {
        if (c < 32 || Text(L"\\/:*?\"<>|").find(c) != Text::npos) {
            return false;
        }
    }
    Text stem = name.substr(0, name.find(L'.'));
    while (!stem.empty() && stem.back() == L' ') {
        stem.pop_back();
    }
    for (wchar_t& c : stem) {
        c = AsciiUpper(c);
    }
    for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"}) {
        if (stem == device) {
            return false;
        }
    }
    const bool numbered = stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT"));
    return !(numbered && Text(L"0123456789\u00B9\u00B2\u00B3").find(stem[3]) != Text::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const Text name = orv::fuzz::WideText(data, 300);
    const bool allowed = orv::IsListNameAllowed(name);
    Check(allowed == CanBeAFileName(name), "a list name is taken exactly when it can be a file's name");

    orv::testing::FakeListBox List1{L"a.mp3", L"b.mp3"};
    orv::testing::FakeDialogs dialogs;
    orv::testing::FakeFiles files;
    orv::testing::FakeFolders folders;
    const orv::testing::FakeForm frmJubo{orv::WindowSpec{.name = "frmJubo"}};
    const orv::testing::FakeCodePage codePage;
    orv::PlaylistFiles playlistFiles{List1, dialogs, frmJubo, files, folders, codePage};
    dialogs.answers = {name};
    playlistFiles.Save();
    const Text path = folders.programFolder + L"\\" + name + L".mlt";
    Check(files.contents.size() == (allowed ? 1u : 0u) && (!allowed || files.contents.contains(path)),
          "only a name that can be a file's is saved, under that name");
    Check(dialogs.Messages().size() == (allowed ? 0u : 1u), "a refused name says so");
    Check(List1.items == std::vector<Text>{L"a.mp3", L"b.mp3"}, "the playlist stays as it was");
    return 0;
}
