#pragma once
// The value type the program keeps in cells, fields and settings. It follows the
// conversions and comparisons of the classic Basic runtime, because the windows rely on
// them (type names shown to the user, SQL literals chosen by type, Null never equal).

#include "Currency.h"

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <new>
#include <optional>
#include <type_traits>

// Type codes as the classic runtime numbers them (VarType).
enum class VarType : std::uint8_t {
    Empty = 0,
    Null = 1,
    Integer = 2, // 16-bit
    Long = 3,    // 32-bit
    Single = 4,
    Double = 5,
    Currency = 6,
    Date = 7, // days since 1899-12-30, fraction = time of day
    String = 8,
    Boolean = 11,
};

class Variant {
public:
    Variant() = default; // Empty: a value never given
    // Copies and moves are inline: the grid copies a Variant for every cell it writes.
    Variant(const Variant& other) { copyFrom(other); }
    Variant(Variant&& other) noexcept { moveFrom(other); }
    Variant& operator=(const Variant& other) {
        if (this != &other) {
            release();
            copyFrom(other);
        }
        return *this;
    }
    Variant& operator=(Variant&& other) noexcept {
        if (this != &other) {
            release();
            moveFrom(other);
        }
        return *this;
    }
    ~Variant() { release(); }
    Variant(bool v);
    Variant(std::int16_t v);
    Variant(int v); // Long
    Variant(float v);
    Variant(double v);
    Variant(Currency v);
    Variant(const QString& v);
    Variant(const char* v);
    Variant(const QDateTime& v); // Null when invalid or outside 100..9999
    Variant(const QDate& v);

    static Variant null();
    static Variant fromDate(double serial); // Null for an invalid serial

    VarType type() const { return m_s.head.type; }
    // "Empty", "Null", "Integer", "Long", "Single", "Double", "Currency", "Date", "String",
    // "Boolean"
    QString typeName() const;
    bool isEmpty() const { return type() == VarType::Empty; }
    bool isNull() const { return type() == VarType::Null; }
    bool isNumericType() const; // Integer..Currency, Boolean excluded
    // True for numeric types and for text that reads as a number (IsNumeric).
    bool isNumeric() const;

    // Conversions. ok (when given) says whether the value converted; on failure the
    // result is 0 / empty. Text converts by the user's locale, then the invariant form.
    double toDouble(bool* ok = nullptr) const;
    std::int32_t toLong(bool* ok = nullptr) const; // rounds half to even
    std::int16_t toInteger(bool* ok = nullptr) const;
    float toSingle(bool* ok = nullptr) const;
    // Exact for text and whole numbers (Currency::parse on the locale's or the invariant
    // form); ok false for an amount outside Currency's range.
    Currency toCurrency(bool* ok = nullptr) const;
    bool toBool(bool* ok = nullptr) const;
    double toDateSerial(bool* ok = nullptr) const;
    QDateTime toDateTime(bool* ok = nullptr) const;
    // CStr: Empty and Null give "", Booleans "True"/"False", dates the short date
    // (and time when there is one), numbers their shortest round-trip text.
    QString toString() const;

    // Converts to the given type (CInt, CLng, ...); ok false when it does not convert.
    Variant convertedTo(VarType t, bool* ok = nullptr) const;

    // Ordering for sorting: Empty, then Null, then numbers (Booleans, dates and numeric
    // text included, by value), then the other text. Numeric text always sorts as a number
    // so that the order stays transitive; NaN after every other number, equal to NaN. A
    // Currency compares exactly with any number. Returns <0, 0, >0.
    static int compare(const Variant& a, const Variant& b,
                       Qt::CaseSensitivity cs = Qt::CaseSensitive);

    // Comparisons as in expressions: any comparison with Null is false.
    friend bool operator==(const Variant& a, const Variant& b);
    friend bool operator!=(const Variant& a, const Variant& b);
    friend bool operator<(const Variant& a, const Variant& b);
    friend bool operator<=(const Variant& a, const Variant& b);
    friend bool operator>(const Variant& a, const Variant& b);
    friend bool operator>=(const Variant& a, const Variant& b);

    // Arithmetic with the runtime's type promotion; Null propagates, Empty counts as 0. A
    // result past its type moves up (Integer to Long to Double, Currency to Double); Currency
    // adds, subtracts and multiplies exactly; / gives it a Double, as the classic runtime.
    friend Variant operator+(const Variant& a, const Variant& b);
    friend Variant operator-(const Variant& a, const Variant& b);
    friend Variant operator*(const Variant& a, const Variant& b);
    friend Variant operator/(const Variant& a, const Variant& b);

    // Exact same type and value (Null equals Null here), for change detection.
    bool sameAs(const Variant& other) const;

    // The text of a String where the Variant keeps it (valid while it is unchanged), empty
    // for every other type: reading a cell's text this way copies nothing.
    QStringView textView() const;
    // Becomes the String text in place: a grid writes texts into its cells this way, with no
    // Variant made and copied in between. isText: a String holding that text (as sameAs).
    void assignText(const QString& text) {
        release();
        setText(text);
    }
    bool isText(QStringView text) const { return type() == VarType::String && textView() == text; }

private:
    // Every storage starts with the same two bytes, so the tag reads the same whichever
    // storage is active (the common initial sequence of a standard-layout union). A text
    // that fits in the rest of the 32 bytes is kept inline; a longer one in a shared QString.
    static constexpr int InlineCapacity = 15;
    static constexpr std::uint8_t NotInline = 0xFF; // inlineLength of the other storages

    struct Header {
        VarType type;
        std::uint8_t inlineLength;
    };
    struct Scalar {
        VarType type;
        std::uint8_t inlineLength;
        union {
            std::int64_t cy;
            bool b;
            std::int16_t i16;
            std::int32_t i32;
            float f;
            double d; // Double and Date
        };
    };
    struct SharedString {
        VarType type;
        std::uint8_t inlineLength;
        QString str;
    };
    struct InlineString {
        VarType type;
        std::uint8_t inlineLength;
        char16_t units[InlineCapacity];
    };
    union Storage {
        Storage() : scalar{VarType::Empty, NotInline, {0}} {}
        ~Storage() {}
        Header head;
        Scalar scalar;
        SharedString shared;
        InlineString inlined;
    };
    static_assert(std::is_standard_layout_v<Storage>, "the tag is read through any storage");

    explicit Variant(VarType scalarType);
    void setText(const QString& text);
    bool hasSharedText() const {
        return type() == VarType::String && m_s.head.inlineLength == NotInline;
    }
    static std::optional<int> expressionCompare(const Variant& a, const Variant& b);
    // Both expect no live QString in this Variant; other's storage becomes the active one.
    void copyFrom(const Variant& other) {
        if (other.hasSharedText())
            new (&m_s.shared) SharedString(other.m_s.shared); // a reference count, no copy
        else if (other.type() == VarType::String)
            new (&m_s.inlined) InlineString(other.m_s.inlined);
        else
            new (&m_s.scalar) Scalar(other.m_s.scalar);
    }
    void moveFrom(Variant& other) {
        if (other.hasSharedText())
            new (&m_s.shared) SharedString(std::move(other.m_s.shared));
        else
            copyFrom(other); // bytes only, nothing to steal
    }
    // Ends the QString's lifetime when it is the active storage.
    void release() {
        if (hasSharedText())
            m_s.shared.~SharedString();
    }

    Storage m_s;
};

static_assert(sizeof(Variant) == 32, "the grid keeps one Variant per cell");
