#pragma once
// Where a test sets it, every colour and picture that a fake window or the fake engine is given is written
// down in order: "window.control fore", "window.control back", "window picture", "engine display".
#include <string>
#include <vector>

namespace orv::testing {

inline std::vector<std::string>* colourLog = nullptr;

inline void NoteColour(const std::string& what) {
    if (colourLog != nullptr) {
        colourLog->push_back(what);
    }
}

}  // namespace orv::testing
