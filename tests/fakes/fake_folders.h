#pragma once
// A working directory, drives, and the folders and files inside some paths, as the test sets them.
#include <map>

#include "platform/folders.h"

namespace orv::testing {

class FakeFolders : public Folders {
  public:
    Text CurrentDirectory() override { return currentDirectory; }
    Text ProgramFolder() override { return programFolder; }
    std::vector<Text> FoldersIn(const Text& path) override { return Find(folders, path); }
    std::vector<Text> FilesIn(const Text& path) override {
        ++fileListings;
        return Find(files, path);
    }
    std::vector<Text> Drives() override { return drives; }
    std::optional<Text> DriveFolder(const Text& drive) override {
        const auto found = driveFolders.find(drive);
        return found == driveFolders.end() ? std::nullopt : std::optional<Text>(found->second);
    }

    Text currentDirectory = L"C:\\Music";
    Text programFolder = L"C:\\Program Files\\Orv Jubo";
    std::map<Text, std::vector<Text>> folders;
    std::map<Text, std::vector<Text>> files;
    std::vector<Text> drives = {L"a:", L"c:"};
    // Drives that are ready, with their current folder.
    std::map<Text, Text> driveFolders = {{L"c:", L"C:\\"}};
    int fileListings = 0;

  private:
    static std::vector<Text> Find(const std::map<Text, std::vector<Text>>& paths, const Text& path) {
        const auto found = paths.find(path);
        return found == paths.end() ? std::vector<Text>{} : found->second;
    }
};

}  // namespace orv::testing
