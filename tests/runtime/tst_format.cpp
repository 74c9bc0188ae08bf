#include "runtime/DateMath.h"
#include "runtime/Format.h"

#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(Variant)

class tst_Format : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void format_data();
    void format() { verify(); }
    void textSections_data();
    void textSections() { verify(); }
    void mediumNamedFormats_data();
    void mediumNamedFormats() { verify(); }
    void dateTokens_data();
    void dateTokens() { verify(); }
    void numberLayouts_data();
    void numberLayouts() { verify(); }

private:
    static void verify();
};

namespace {

Variant at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return Variant::fromDate(vb::toSerial(QDate(y, mo, d), QTime(h, mi, s)));
}

Variant money(double v) {
    return Variant(Currency::fromDouble(v));
}

// Every table has the same columns: the locale, the value, the format and the text expected.
void columns() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Variant>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
}

void row(const char* name, const Variant& v, const QString& f, const QString& e,
         const QString& locale = QStringLiteral("en_US")) {
    QTest::newRow(name) << locale << v << f << e;
}

} // namespace

void tst_Format::format_data() {
    columns();

    // Money with thousands separators and an empty zero section.
    row("$#,##0 large", 1234567.5, "$#,##0", "$1,234,568");
    row("$#,##0 negative", -1234.4, "$#,##0", "-$1,234");
    row("$#,##0 zero", 0.0, "$#,##0", "$0");
    row("$#,##0 carry", 999.5, "$#,##0", "$1,000");
    row("$#,##0 currency", money(1234.5), "$#,##0", "$1,235");
    row("$#,##0 null", Variant::null(), "$#,##0", "");
    row("empty zero section, zero", money(0), "$#,##0;;\"\"", "");
    row("empty zero section, value", money(5), "$#,##0;;\"\"", "$5");
    row("blank negative section uses first with minus", money(-5), "$#,##0;;\"\"", "-$5");
    row("$#,##0.00 zero section", 0, "$#,##0.00;;\"\"", "");
    row("$#,##0.00 half away", money(12.345), "$#,##0.00;;\"\"", "$12.35");
    row("$#,##0.00 grouping", 1234.5, "$#,##0.00;;\"\"", "$1,234.50");
    row("#,## zero shows nothing", 0, "#,##", "");
    row("#,## millions", 1234567, "#,##", "1,234,567");
    row("#,## half rounds up", 0.5, "#,##", "1");
    row("#,## negative", -1234, "#,##", "-1,234");
    row("$#,## zero keeps literal", 0, "$#,##", "$");
    row("$#,## large", 25000.0, "$#,##", "$25,000");

    // Decimals, literal units and rounding of the shown digits.
    row("Gb", 1.5, "0.00 Gb", "1.50 Gb");
    row("Gb decimal half", 2.675, "0.00 Gb", "2.68 Gb");
    row("Gb carry into integer", 999.995, "0.00 Gb", "1000.00 Gb");
    row("Mb letters stay literal", 3.14159, "0.00 Mb", "3.14 Mb");
    row("KB zero", 0, "# KB", " KB");
    row("KB value", 1234, "# KB", "1234 KB");
    row("bytes letters stay literal", 5, "# bytes", "5 bytes");
    row("0 half 0.5", 0.5, "0", "1");
    row("0 half 1.5", 1.5, "0", "2");
    row("0 half 2.5", 2.5, "0", "3");
    row("0 half -2.5", -2.5, "0", "-3");
    row("0 rounds to zero without minus", -0.4, "0", "0");
    row("single keeps its own digits", Variant(2.675f), "0.00", "2.68");
    row("leading zeros", 42.7, "000000", "000043");
    row("more digits than placeholders", 1234567, "000000", "1234567");
    row("$0.00 zero", 0, "$0.00", "$0.00");
    row("$0.00 whole", 3, "$0.00", "$3.00");
    row("currency exact half", money(-1.005), "0.00", "-1.01");
    row("# decimals drop trailing zeros", 1.5, "0.##", "1.5");
    row("# decimals keep the point", 1, "0.##", "1.");
    row("no integer placeholder", 12.5, ".00", "12.50");
    row("percent", 0.256, "0%", "26%");
    row("percent decimals", 0.5, "0.00%", "50.00%");
    row("exponent", 12345, "0.00E+00", "1.23E+04");
    row("exponent negative", 0.00012, "0.00E+00", "1.20E-04");
    row("exponent rounding carries", 9.999, "0.00E+00", "1.00E+01");
    row("exponent minus form", 12345, "0.0E-0", "1.2E4");

    // Sections, quoting and escapes.
    row("four sections positive", 5, "0;(0);\"zero\";\"null\"", "5");
    row("four sections negative", -5, "0;(0);\"zero\";\"null\"", "(5)");
    row("four sections zero", 0, "0;(0);\"zero\";\"null\"", "zero");
    row("four sections null", Variant::null(), "0;(0);\"zero\";\"null\"", "null");
    row("quoted semicolon", 5, "0\";\"0", "0;5");
    row("quoted text", 5, "\"Total: \"0", "Total: 5");
    row("escaped characters", 5, "\\#0\\%", "#5%");

    // Values of other types.
    row("numeric text", "12.5", "0.00", "12.50");
    row("other text unchanged", "abc", "0.00", "abc");
    row("empty shows nothing", Variant(), "0.00", "");
    row("boolean as number", true, "0", "-1");
    row("no format", 0.1, "", "0.1");

    // Named formats.
    row("Currency", 1234.567, "Currency", "$1,234.57");
    row("Currency negative", -1234.5, "Currency", "($1,234.50)");
    row("currency lower case", 2, "currency", "$2.00");
    row("Fixed", 1234.5, "Fixed", "1234.50");
    row("Standard", 1234.5, "Standard", "1,234.50");
    row("Percent", 0.1234, "Percent", "12.34%");
    row("Scientific", 1234.5, "Scientific", "1.23E+03");
    row("General Number", 1234.5, "General Number", "1234.5");
    row("General Number of the largest double", std::numeric_limits<double>::lowest(),
        "General Number", "-1.7976931348623157E+308");
    row("General Number keeps a currency's digits",
        Variant(Currency{std::numeric_limits<qint64>::max()}), "General Number",
        "922337203685477.5807");
    row("General Number of numeric text", "12.50", "General Number", "12.5");
    row("Yes/No zero", 0, "Yes/No", "No");
    row("Yes/No value", 3, "Yes/No", "Yes");
    row("True/False", -1, "true/false", "True");
    row("On/Off", 0, "On/Off", "Off");
    row("named null", Variant::null(), "Currency", "");
    row("named text unchanged", "abc", "Fixed", "abc");

    // Dates and times.
    const Variant afternoon = at(2024, 3, 5, 14, 7, 9);
    const Variant midnight = at(2024, 3, 5);
    row("iso date", afternoon, "yyyy-mm-dd", "2024-03-05");
    row("message list afternoon", afternoon, "ddd ddddd h:mm AM/PM", "Tue 3/5/2024 2:07 PM");
    row("message list midnight", midnight, "ddd ddddd h:mm AM/PM", "Tue 3/5/2024 12:00 AM");
    row("message list noon", at(2024, 3, 5, 12, 30), "ddd ddddd h:mm AM/PM",
        "Tue 3/5/2024 12:30 PM");
    row("message list after midnight", at(2024, 3, 5, 0, 15), "ddd ddddd h:mm AM/PM",
        "Tue 3/5/2024 12:15 AM");
    row("lower am/pm", afternoon, "h:mm am/pm", "2:07 pm");
    row("a/p", afternoon, "h:mm:ss a/p", "2:07:09 p");
    row("24-hour", afternoon, "hh:nn:ss", "14:07:09");
    row("m after h is minutes", afternoon, "h\"h\"mm", "14h07");
    row("month names", afternoon, "mmm d, yyyy / mmmm / dddd", "Mar 5, 2024 / March / Tuesday");
    row("two-digit fields", afternoon, "dd/mm/yy", "05/03/24");
    row("day of year, weekday, week, quarter", afternoon, "y w ww q", "65 3 10 1");
    row("long date token", afternoon, "dddddd", "Tuesday, March 5, 2024");
    row("Short date", afternoon, "Short date", "3/5/2024");
    row("Long Date", afternoon, "Long Date", "Tuesday, March 5, 2024");
    row("Short Time", afternoon, "Short Time", "14:07");
    row("Long Time", afternoon, "Long Time", "2:07:09 PM");
    row("General Date with time", afternoon, "General Date", "3/5/2024 2:07:09 PM");
    row("General Date at midnight", midnight, "General Date", "3/5/2024");
    row("date text", "2024-03-05", "dd.mm.yyyy", "05.03.2024");
    row("other text with date format", "soon", "yyyy-mm-dd", "soon");
    row("number as date", 2.5, "yyyy-mm-dd hh:nn", "1900-01-01 12:00");

    // Separators, currency and short date follow the locale.
    const QString de = QStringLiteral("de_DE");
    row("German grouping", 1234567.891, "#,##0.00", "1.234.567,89", de);
    row("German $#,##0", 1234567.0, "$#,##0", "$1.234.567", de);
    row("German Currency", 1234.5, "Currency", "1.234,50\u00a0€", de);
    row("German Short Date", afternoon, "Short Date", "05.03.2024", de);
    row("German numeric text", "1,5", "0.00", "1,50", de);
}

// Sections with @ or & (or only < > !) lay out a text, and any value as its text.
void tst_Format::textSections_data() {
    columns();
    row("@ pads on the left", "abc", "@@@@@", "  abc");
    row("& does not pad", "abc", "&&&&&", "abc");
    row("! fills from the left", "abc", "!@@@@@", "abc  ");
    row("! with &", "abc", "!&&&&&", "abc");
    row("mixed placeholders pad where @ is left over", "ab", "@&@", " ab");
    row("literals between placeholders", "5551234567", "(@@@) @@@-@@@@", "(555) 123-4567");
    row("short text leaves the first placeholders empty", "1234", "(@@@) @@@-@@@@",
        "(   )    -1234");
    row("short text from the left leaves the last ones empty", "1234", "!(@@@) @@@-@@@@",
        "(123) 4  -    ");
    row("longer text keeps its start at the first placeholder", "abcdef", "@-@", "abcde-f");
    row("longer text from the left keeps its end at the last", "abcdef", "!@-@", "a-bcdef");
    row("> upper case", "Hello World", ">", "HELLO WORLD");
    row("< lower case", "HeLLo", "<", "hello");
    row("case with placeholders, literals as written", "abc", ">@@@@\" x\"", " ABC x");
    row("0 and # are text here", "F", "!0&", "0F");
    row("quoted and escaped text", "ab", "\"[\"@@\\]", "[ab]");
    row("a number as its text", 123, "@@@@@", "  123");
    row("a decimal as its text", 1.5, "@@@@@@", "   1.5");
    row("a date as its text", at(2024, 3, 5), "@@@@@@@@@@", "  3/5/2024");
    row("a boolean as its text", true, ">", "TRUE");
    row("second section for an empty text", "", "@@;\"(none)\"", "(none)");
    row("second section for Null", Variant::null(), "@@;\"(none)\"", "(none)");
    row("second section for Empty", Variant(), "@@;\"(none)\"", "(none)");
    row("first section for a text", "x", "@@;\"(none)\"", " x");
    row("one section: empty text pads", "", "@@", "  ");
    row("one section: Null shows nothing", Variant::null(), "@@", "");
}

void tst_Format::mediumNamedFormats_data() {
    columns();
    const Variant afternoon = at(2024, 3, 5, 14, 7, 9);
    row("Medium Date", afternoon, "Medium Date", "05-Mar-24");
    row("medium date in lower case", at(1999, 12, 31), "medium date", "31-Dec-99");
    row("Medium Time afternoon", afternoon, "Medium Time", "02:07 PM");
    row("Medium Time morning", at(2024, 3, 5, 9, 5), "Medium Time", "09:05 AM");
    row("Medium Time midnight", at(2024, 3, 5), "Medium Time", "12:00 AM");
    row("Medium Time of a number", 0.5, "Medium Time", "12:00 PM");
    row("Medium Date of text", "2024-03-05", "Medium Date", "05-Mar-24");
    row("Medium Date of other text unchanged", "soon", "Medium Date", "soon");
    row("Medium Date of Null", Variant::null(), "Medium Date", "");
    row("German Medium Date", afternoon, "Medium Date", "05-März-24", QStringLiteral("de_DE"));
}

// Runs of a letter are read as the longest tokens there are; m and mm are minutes only right
// after an hour.
void tst_Format::dateTokens_data() {
    columns();
    const Variant afternoon = at(2024, 3, 5, 14, 7, 9);
    row("m before s is the month", afternoon, "m:ss", "3:09");
    row("mm before s is the month", afternoon, "mm:ss", "03:09");
    row("m after h and before s is minutes", afternoon, "h:m:s", "14:7:9");
    row("mm after hh across literal text", afternoon, "hh\" h \"mm", "14 h 07");
    row("mm after a date token is the month", afternoon, "d mm ss", "5 03 09");
    row("n is always minutes", afternoon, "n:ss", "7:09");
    row("mmm after h is the month's name", afternoon, "h mmm", "14 Mar");
    row("yyy is yy and the day of the year", afternoon, "yyy", "2465");
    row("yyyyy is yyyy and the day of the year", afternoon, "yyyyy", "202465");
    row("yyyyyy is yyyy and yy", afternoon, "yyyyyy", "202424");
    row("mmmmm is the month's name and number", afternoon, "mmmmm", "March3");
    row("hhh is hh and h", afternoon, "hhh", "1414");
}

void tst_Format::numberLayouts_data() {
    columns();
    // A # before a 0 in the decimals shows its digit, as the 0 after it must show.
    row("# between 0s keeps zeros", 1.5, "0.0#0", "1.500");
    row("# before a 0 keeps zeros", 1, "0.#0", "1.00");
    row("# between 0s with a digit", 1.25, "0.0#0", "1.250");
    row("# at the end still drops zeros", 1.5, "0.0#0#", "1.500");
    row("trailing # drop zeros", 1.5, "0.0##", "1.5");
    // A separator follows the digit that ends a group, before the literal text after it.
    row("separator before a space", 1234, "#, ##0", "1, 234");
    row("separators before spaces, millions", 1234567, "0, 000", "1,234, 567");
    row("separator and decimals", 1234.5, "$#, ##0.00", "$1, 234.50");
    row("separator before a quoted text", 1234, "#,\"-\"##0", "1,-234");
    row("grouping unchanged without literals", 1234567, "#,##0", "1,234,567");
    // No integer placeholder: every shown digit of the mantissa follows the point.
    row("mantissa without integer digit", 12345, ".0000E+0", ".1235E+5");
    row("small mantissa without integer digit", 0.00012, ".00E+00", ".12E-03");
    row("negative mantissa without integer digit", -12345, ".00E+0", "-.12E+5");
    row("mantissa rounding carries into the exponent", 0.99995, ".000E+0", ".100E+1");
    row("zero without integer digit", 0, ".00E+00", ".00E+00");
}

void tst_Format::verify() {
    QFETCH(QString, locale);
    QFETCH(Variant, value);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(vb::Format(value, format), expected);
}

QTEST_GUILESS_MAIN(tst_Format)
#include "tst_format.moc"
