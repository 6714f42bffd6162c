// The picture accessors: a picture found once is kept; a missing one is asked for on every call
// until the framework finds it.
#include "shell/pictures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "framework/core/call_log.h"
#include "framework/seams.h"
#include "tests/support/temp_folder.h"

namespace quorvan {
namespace {

namespace fs = std::filesystem;

TEST(Pictures, MissingIsAskedForAgainFoundIsKept) {
  const testing_support::TempFolder temp;
  const fs::path& folder = temp.Path();
  fw::seams::SetPictureFolder(folder);
  int lookups = 0;
  fw::SetCallRecorder(
      [&](std::string_view call) { lookups += call == "GetPictureFromResourceManager"; });

  struct Case {
    fw::Ref<fw::Picture> (*accessor)();
    const char* file;
    int width, height;
  } cases[] = {
      {&LinesSmall, "LinesSmall.png", 101, 101},
      {&KTR6, "KTR6.png", 433, 67},
      {&KTR8, "KTR8.png", 580, 97},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    lookups = 0;
    EXPECT_FALSE(c.accessor());
    EXPECT_FALSE(c.accessor());
    EXPECT_EQ(lookups, 2);

    fs::copy_file(fs::path(QUORVAN_SOURCE_PICTURES) / c.file, folder / c.file);
    lookups = 0;
    fw::Ref<fw::Picture> found = c.accessor();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Width(), c.width);
    EXPECT_EQ(found->Height(), c.height);
    fs::remove(folder / c.file);
    EXPECT_EQ(c.accessor(), found) << "kept, though the file is gone now";
    EXPECT_EQ(lookups, 1);
  }
  fw::SetCallRecorder({});
  fw::seams::SetPictureFolder({});
}

}  // namespace
}  // namespace quorvan
