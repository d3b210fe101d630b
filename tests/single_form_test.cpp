// A window that exists at most once: a making that fails, in the factory or in the binding of its
// behaviour, leaves no window behind, and the next use makes it afresh.
#include "platform/single_form.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "fakes/fake_form.h"
#include "shell/credits_layout.h"

namespace orv {
namespace {

TEST(SingleForm, AFailedMakingLeavesNothingAndTheNextUseMakesTheWindowAfresh) {
    const struct { int factoryFailures, bindFailures; } cases[] = {{0, 1}, {0, 2}, {1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.factoryFailures << " factory, " << c.bindFailures << " bind");
        testing::FakeFormFactory forms;
        forms.failures = c.factoryFailures;
        int binds = 0;
        int bindFailures = c.bindFailures;
        SingleForm form2(forms, CreditsWindowSpec(), [&](Form&) {
            ++binds;
            if (bindFailures-- > 0) {
                throw std::runtime_error("the folder is too big");
            }
        });
        for (int failure = 0; failure < c.factoryFailures + c.bindFailures; ++failure) {
            EXPECT_THROW(form2.Get(), std::runtime_error);
            EXPECT_FALSE(form2.Exists());
            EXPECT_TRUE(forms.living.empty()) << "a half-made window was kept";
        }
        form2.Show();
        EXPECT_EQ(binds, c.bindFailures + 1) << "the window in use was never bound";
        ASSERT_EQ(forms.living.size(), 1u);
        EXPECT_TRUE(forms.living.front()->IsVisible());
        // A complete window: its close box discards it, and the next use makes it again.
        forms.living.front()->CloseBox();
        EXPECT_FALSE(form2.Exists());
        form2.Show();
        EXPECT_EQ(binds, c.bindFailures + 2);
        EXPECT_TRUE(form2.Get().IsVisible());
    }
}

}  // namespace
}  // namespace orv
