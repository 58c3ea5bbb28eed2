#pragma once
// Reads the fields of a normalised sentence (commas turned into blanks, empty fields into "0")
// the way a whitespace-separated scan format would: each read skips blanks first, an optional
// width limits the characters taken, and the first read that fails ends the scan, so the
// fields after it keep the values the caller cleared them to. Unlike a scan format, a text read
// never writes past its destination, and numbers are only plain decimals (no "inf", "nan" or hex).
// The reads are inline: every handler runs them for every sentence.

#include <cstddef>
#include <cstdint>
#include <limits>

// The float nearest to the decimal text [first, end) (digits, one point, an exponent); false
// when it is out of range.
bool ParseDecimalFloat(const char* first, const char* end, float& value);

class FieldScanner {
public:
    explicit FieldScanner(const char* text) : p_(text) {}

    // A skipped token ("%*s", "%*Ns").
    bool skip(int width = 0)
    {
        if (!start())
            return false;
        const char* limit = Limit(width);
        while (Within(p_, limit) && !IsBlank(*p_))
            ++p_;
        return true;
    }

    // A skipped number ("%*f").
    bool skipNumber()
    {
        const char* end = nullptr;
        if (!start() || !realSpan(end))
            return fail();
        p_ = end;
        return true;
    }

    // A decimal integer ("%d", "%Nd"); fails on overflow.
    bool integer(int32_t& value, int width = 0)
    {
        if (!start())
            return false;
        const char* limit = Limit(width);
        const char* p = p_;
        bool negative = false;
        if (Within(p, limit) && (*p == '+' || *p == '-')) {
            negative = *p == '-';
            ++p;
        }
        int64_t parsed = 0;
        const char* digits = p;
        while (Within(p, limit) && IsDigit(*p)) {
            parsed = parsed * 10 + (*p - '0');
            if (parsed > int64_t{std::numeric_limits<int32_t>::max()} + 1)
                return fail();
            ++p;
        }
        if (p == digits)
            return fail();
        if (negative)
            parsed = -parsed;
        if (parsed > std::numeric_limits<int32_t>::max())
            return fail();
        value = int32_t(parsed);
        p_ = p;
        return succeed();
    }

    // A decimal real ("%f"): sign, digits, point, digits, exponent.
    bool real(float& value)
    {
        if (!start())
            return false;
        // Short plain decimals, the usual field, are read in the same pass: the digits and the
        // power of ten are exact floats (at most 7 digits, at most 10 after the point), so one
        // division rounds correctly. Anything else goes to ParseDecimalFloat.
        static constexpr float powers[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                           1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
        const char* p = p_;
        const bool negative = *p == '-';
        if (*p == '+' || *p == '-')
            ++p;
        uint32_t mantissa = 0;
        int digits = 0;
        int decimals = 0;
        for (; IsDigit(*p); ++p, ++digits)
            mantissa = mantissa * 10 + uint32_t(*p - '0');
        if (*p == '.') {
            for (++p; IsDigit(*p); ++p, ++digits, ++decimals)
                mantissa = mantissa * 10 + uint32_t(*p - '0');
        }
        if (digits == 0)
            return fail();
        if (digits <= 7 && decimals <= 10 && *p != 'e' && *p != 'E') {
            const float magnitude = float(mantissa) / powers[decimals];
            value = negative ? -magnitude : magnitude;
            p_ = p;
            return succeed();
        }
        const char* end = nullptr;
        realSpan(end);
        const char* first = *p_ == '+' ? p_ + 1 : p_;
        float parsed = 0.0f;
        if (!ParseDecimalFloat(first, end, parsed))
            return fail();
        value = parsed;
        p_ = end;
        return succeed();
    }

    // A token into dest of `capacity` bytes, zero-terminated, at most `width` characters when
    // width is above 0 ("%Ns"); a longer token is cut at the capacity and the rest skipped.
    bool word(char* dest, size_t capacity, int width = 0)
    {
        if (capacity == 0 || !start())
            return false;
        const char* limit = Limit(width);
        size_t n = 0;
        while (Within(p_, limit) && !IsBlank(*p_)) {
            if (n + 1 < capacity)
                dest[n++] = *p_;
            ++p_;
        }
        dest[n] = '\0';
        return succeed();
    }

    // One character ("%1s").
    bool letter(char& value)
    {
        if (!start())
            return false;
        value = *p_++;
        return succeed();
    }

    // Conversions that succeeded so far.
    int count() const { return count_; }
    bool failed() const { return failed_; }

private:
    static bool IsBlank(char c)
    {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static bool Within(const char* p, const char* limit)
    {
        return *p != '\0' && (limit == nullptr || p < limit);
    }
    const char* Limit(int width) const { return width > 0 ? p_ + width : nullptr; }

    bool start()
    {
        if (failed_)
            return false;
        while (IsBlank(*p_))
            ++p_;
        if (*p_ == '\0')
            failed_ = true;
        return !failed_;
    }
    bool fail()
    {
        failed_ = true;
        return false;
    }
    bool succeed()
    {
        ++count_;
        return true;
    }

    // The end of the number at the read position; false when there is none.
    bool realSpan(const char*& end) const
    {
        const char* p = p_;
        if (*p == '+' || *p == '-')
            ++p;
        const char* digits = p;
        while (IsDigit(*p))
            ++p;
        size_t count = size_t(p - digits);
        if (*p == '.') {
            const char* fraction = ++p;
            while (IsDigit(*p))
                ++p;
            count += size_t(p - fraction);
        }
        if (count == 0)
            return false;
        if (*p == 'e' || *p == 'E') {
            const char* q = p + 1;
            if (*q == '+' || *q == '-')
                ++q;
            if (IsDigit(*q)) {
                while (IsDigit(*q))
                    ++q;
                p = q;
            }
        }
        end = p;
        return true;
    }

    const char* p_;
    int count_ = 0;
    bool failed_ = false;
};
