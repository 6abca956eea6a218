#include "settings/ParameterRules.h"

#include "geo/AppError.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

class ParameterRulesTest : public testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

struct StoredCase {
    const char* locale;
    const char* stored;
    const char* text;
    double value;
};

TEST_F(ParameterRulesTest, ElevationTextThatIsNoNumberBecomesThreeDegrees)
{
    const StoredCase cases[] = {
        {"C", "3", "3", 3},       {"C", "12.5", "12.5", 12.5}, {"de_DE", "12,5", "12,5", 12.5},
        {"C", "12,5", "3", 3},    {"C", "", "3", 3},           {"C", "hoch", "3", 3},
        {"de_DE", "-4", "-4", -4},
    };
    for (const StoredCase& c : cases) {
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        const auto field = ParameterRules::elevationSetting(QString::fromUtf8(c.stored));
        EXPECT_EQ(field.text, QString::fromUtf8(c.text)) << c.locale << " " << c.stored;
        EXPECT_DOUBLE_EQ(field.value, c.value) << c.locale << " " << c.stored;
    }
}

TEST_F(ParameterRulesTest, OverlapTextThatIsNoNumberBecomesZero)
{
    const StoredCase cases[] = {
        {"C", "10", "10", 10}, {"de_DE", "7,5", "7,5", 7.5}, {"C", "", "0", 0}, {"C", "zehn", "0", 0}, {"C", "7,5", "0", 0},
    };
    for (const StoredCase& c : cases) {
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        const auto field = ParameterRules::overlapSetting(QString::fromUtf8(c.stored));
        EXPECT_EQ(field.text, QString::fromUtf8(c.text)) << c.locale << " " << c.stored;
        EXPECT_DOUBLE_EQ(field.value, c.value) << c.locale << " " << c.stored;
    }
}

TEST_F(ParameterRulesTest, DisplayOffsetNeedsAPointWhateverTheLocale)
{
    const StoredCase cases[] = {
        {"C", "-2.5", "-2.5", -2.5}, {"de_DE", "-2.5", "-2.5", -2.5}, {"de_DE", "-2,5", "", 0},
        {"C", "-2,5", "", 0},        {"C", "", "", 0},                {"C", "4", "4", 4},
        {"C", "1,000", "", 0},
    };
    for (const StoredCase& c : cases) {
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        const auto field = ParameterRules::displayOffsetSetting(QString::fromUtf8(c.stored));
        EXPECT_EQ(field.text, QString::fromUtf8(c.text)) << c.locale << " " << c.stored;
        EXPECT_DOUBLE_EQ(field.value, c.value) << c.locale << " " << c.stored;
    }
}

TEST_F(ParameterRulesTest, KeyFilterKeepsDigitsBackspaceEnterAndKeysThatTypeNothing)
{
    struct Case {
        int key;
        const char* text;
        bool control;
        bool kept;
    } const cases[] = {
        {Qt::Key_0, "0", false, true},         {Qt::Key_9, "9", false, true},
        {Qt::Key_Backspace, "\b", false, true}, {Qt::Key_Return, "\r", false, true},
        {Qt::Key_Enter, "\r", false, true},     {Qt::Key_Tab, "\t", false, true},
        {Qt::Key_Left, "", false, true},        {Qt::Key_Delete, "", false, true},
        {Qt::Key_A, "a", false, false},         {Qt::Key_Minus, "-", false, false},
        {Qt::Key_Comma, ",", false, false},     {Qt::Key_Period, ".", false, false},
        {Qt::Key_Space, " ", false, false},     {Qt::Key_Escape, "\x1b", false, false},
        {Qt::Key_V, "\x16", true, false},       {Qt::Key_V, "", true, false},
        {Qt::Key_X, "", true, false},           {Qt::Key_twosuperior, "\u00b2", false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParameterRules::keepsKey(c.key, QString::fromUtf8(c.text), c.control), c.kept) << std::hex << c.key;
}

TEST_F(ParameterRulesTest, IntegerOfAFieldOrTheConversionError)
{
    EXPECT_EQ(ParameterRules::toInteger(QStringLiteral("045")), 45);
    try {
        ParameterRules::toInteger(QString());
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("'' ist kein gültiger Integerwert"));
    }
}

} // namespace
