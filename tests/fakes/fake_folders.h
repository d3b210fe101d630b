#pragma once
// A working directory and the folders inside some paths, as the test sets them.
#include <map>

#include "platform/folders.h"

namespace orv::testing {

class FakeFolders : public Folders {
  public:
    Text CurrentDirectory() override { return currentDirectory; }
    std::vector<Text> FoldersIn(const Text& path) override {
        const auto found = folders.find(path);
        return found == folders.end() ? std::vector<Text>{} : found->second;
    }

    Text currentDirectory = L"C:\\Music";
    std::map<Text, std::vector<Text>> folders;
};

}  // namespace orv::testing
