// The small labels over the waveform and the song row read as text: the
// font each resolves to holds every character it shows and is no symbol
// font. With fonts-urw-base35 installed, fontconfig answers the generic
// "fantasy" with its dingbat font, where "A" is a star and "3" a tick.
#include "BeatLabel.h"
#include "PlotSelection.h"
#include "RowName.h"
#include "SongStep.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Step and beat numbers, riff letters, the dash of an empty song slot and
// the count's word.
const QString shownCharacters = QStringLiteral("0123456789ABCDEF-BEATS");

bool isSymbolFont(const QFont& font)
{
    return QFontDatabase().writingSystems(QFontInfo(font).family()).contains(QFontDatabase::Symbol);
}

QString missingCharacters(const QFont& font)
{
    const QFontMetrics metrics(font);
    QString missing;
    for (const QChar c : shownCharacters) {
        if (!metrics.inFontUcs4(c.unicode()))
            missing += c;
    }
    return missing;
}

struct LabelCase
{
    std::string name;
    std::function<QFont()> font;
};

class LabelFont : public ::testing::TestWithParam<LabelCase>
{
};

TEST_P(LabelFont, ResolvesToATextFontWithEveryCharacterShown)
{
    const QFont font = GetParam().font();
    const QString family = QFontInfo(font).family();
    EXPECT_FALSE(isSymbolFont(font)) << family.toStdString();
    EXPECT_EQ(missingCharacters(font), QString()) << family.toStdString();
    EXPECT_TRUE(QFontDatabase().writingSystems(family).contains(QFontDatabase::Latin)) << family.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Table, LabelFont,
                         ::testing::Values(LabelCase{"loop_selection_counts",
                                                     [] {
                                                         PlotSelection selection(nullptr);
                                                         return selection.findChild<QLabel*>()->font();
                                                     }},
                                           LabelCase{"riff_step_numbers",
                                                     [] {
                                                         BeatLabel step(0, nullptr);
                                                         return step.findChild<QLabel*>()->font();
                                                     }},
                                           LabelCase{"song_letters",
                                                     [] {
                                                         SongStepLabel letter(nullptr, 0);
                                                         return letter.font();
                                                     }}),
                         RowName());

// The check above runs against the trap (the package list installs
// fonts-urw-base35): the generic family the labels once asked for resolves
// to a symbol font here.
TEST(LabelFonts, TheSymbolCheckCatchesTheDingbatFantasy)
{
    QFont fantasy(QStringLiteral("Fantasy"));
    fantasy.setBold(true);
    EXPECT_TRUE(isSymbolFont(fantasy)) << QFontInfo(fantasy).family().toStdString();
}

} // namespace
