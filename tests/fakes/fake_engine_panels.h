#pragma once
// The engine's panel in memory: one fake engine per window panel it is put on.
#include <deque>
#include <string>

#include "fakes/fake_media_engine.h"
#include "platform/engine_panel.h"

namespace orv::testing {

class FakeEnginePanels : public EnginePanels {
  public:
    MediaEngine& PutEnginePanel(Form& form, std::string_view panelName) override {
        form.ControlNamed(panelName);  // the window must have the panel it is put in place of
        return engines.emplace_back();
    }
    std::deque<FakeMediaEngine> engines;
};

}  // namespace orv::testing
