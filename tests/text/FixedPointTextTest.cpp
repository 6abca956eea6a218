#include "text/FixedPointText.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

// The separator follows the default locale even when it changes between two calls; thousands are
// never grouped.
TEST(FixedPointTextTest, FollowsTheDefaultLocaleWithoutGrouping)
{
    struct Case {
        QLocale locale;
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), 13386.04, 1, "13386,0"},
        {QLocale(QLocale::English, QLocale::UnitedStates), 13386.04, 1, "13386.0"},
        {QLocale(QLocale::German, QLocale::Germany), -7.0417, 2, "-7,04"},
        {QLocale(QLocale::French, QLocale::France), 1234567.891, 2, "1234567,89"},
        {QLocale::c(), 20037.51, 1, "20037.5"},
    };
    const QLocale before;
    for (const Case& c : cases) {
        QLocale::setDefault(c.locale);
        EXPECT_EQ(FixedPointText::format(c.value, c.decimals), QString::fromUtf8(c.text)) << c.text;
    }
    QLocale::setDefault(before);
}

} // namespace
