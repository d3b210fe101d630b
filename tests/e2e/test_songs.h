#pragma once
// The short songs that tests/media/make_test_media.sh makes, in the folder named by ORVJUBO_TEST_MEDIA_DIR
// (scripts/test makes them and sets the variable). A test that needs them fails, saying so, when they are
// missing: it must not pass without having played anything.
#include <gtest/gtest.h>

#include <string>

namespace e2e {

// Copies the song of the media folder (e.g. L"short_440.mp3") to the target path.
::testing::AssertionResult CopyTestSong(const std::wstring& song, const std::wstring& targetPath);

}  // namespace e2e
