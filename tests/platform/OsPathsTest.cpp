#include "OsPaths.h"

#include <gtest/gtest.h>

namespace {

struct UrlCase
{
    const char* text;
    const char* path;
};

std::ostream& operator<<(std::ostream& os, const UrlCase& c)
{
    return os << c.text;
}

class OsPathsUrl : public ::testing::TestWithParam<UrlCase>
{
};

// Command-line arguments and dropped URLs both arrive as URLs.
TEST_P(OsPathsUrl, GivesTheDecodedLocalPath)
{
    const QUrl url(QString::fromUtf8(GetParam().text), QUrl::TolerantMode);
    EXPECT_EQ(OsPaths::localPathFromUrl(url), QString::fromUtf8(GetParam().path));
}

INSTANTIATE_TEST_SUITE_P(Urls, OsPathsUrl,
                         ::testing::Values(UrlCase{"file:///music/My%20Song.mp3", "/music/My Song.mp3"},
                                           UrlCase{"/music/My Song.mp3", "/music/My Song.mp3"},
                                           UrlCase{"file:///m%C3%BAsica/%E6%97%A5%E6%9C%AC.flac",
                                                   "/música/日本.flac"},
                                           UrlCase{"/music/take#2.wav", "/music/take"}));

TEST(OsPaths, ReadOnlyVolumesAreMediaNotPackageImages)
{
    const std::vector<OsPaths::Volume> mounted{
        {"/", "ext4", false},
        {"/media/user/Zeta CD", "iso9660", true},
        {"/snap/core/123", "squashfs", true},
        {"/media/user/audio disc", "udf", true},
        {"/home", "ext4", false},
    };
    EXPECT_EQ(OsPaths::readOnlyVolumes(mounted), (QStringList{"/media/user/audio disc", "/media/user/Zeta CD"}));
}

} // namespace
