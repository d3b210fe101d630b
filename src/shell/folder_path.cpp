#include "shell/folder_path.h"

#include <cwctype>

namespace orv {

namespace {

// The length of the root: "C:\" or "\\server\share".
std::size_t RootLength(const Text& path) {
    if (path.starts_with(L"\\\\")) {
        const std::size_t share = path.find(L'\\', 2);
        if (share == Text::npos) {
            return path.size();
        }
        const std::size_t end = path.find(L'\\', share + 1);
        return end == Text::npos ? path.size() : end;
    }
    return path.size() >= 3 && path[1] == L':' ? 3 : path.size();
}

}  // namespace

std::vector<Text> PathSteps(const Text& path) {
    const std::size_t rootLength = RootLength(path);
    std::vector<Text> steps{path.substr(0, rootLength)};
    for (std::size_t at = path.find(L'\\', rootLength); at != Text::npos; at = path.find(L'\\', at + 1)) {
        if (at > rootLength) {
            steps.push_back(path.substr(0, at));
        }
    }
    if (path.size() > rootLength && !path.ends_with(L"\\")) {
        steps.push_back(path);
    }
    return steps;
}

Text StepName(const Text& step) {
    if (RootLength(step) == step.size()) {
        return step;
    }
    return step.substr(step.rfind(L'\\') + 1);
}

Text SubfolderPath(const Text& path, const Text& name) {
    return path.ends_with(L"\\") ? path + name : path + L"\\" + name;
}

Text DriveOf(const Text& path) {
    if (path.size() < 2 || path[1] != L':') {
        return {};
    }
    return Text{static_cast<wchar_t>(std::towlower(path[0])), L':'};
}

}  // namespace orv
