#include "sensors/FieldScanner.h"

#include <charconv>
#include <limits>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

const char* Limit(const char* p, int width)
{
    if (width <= 0)
        return nullptr;
    return p + width;
}

bool Within(const char* p, const char* limit)
{
    return *p != '\0' && (limit == nullptr || p < limit);
}

}  // namespace

bool FieldScanner::start()
{
    if (failed_)
        return false;
    while (IsBlank(*p_))
        ++p_;
    if (*p_ == '\0')
        failed_ = true;
    return !failed_;
}

bool FieldScanner::succeed()
{
    ++count_;
    return true;
}

bool FieldScanner::skip(int width)
{
    if (!start())
        return false;
    const char* limit = Limit(p_, width);
    while (Within(p_, limit) && !IsBlank(*p_))
        ++p_;
    return true;
}

bool FieldScanner::realSpan(const char*& end) const
{
    const char* p = p_;
    if (*p == '+' || *p == '-')
        ++p;
    const char* digitsStart = p;
    while (IsDigit(*p))
        ++p;
    size_t digits = size_t(p - digitsStart);
    if (*p == '.') {
        ++p;
        const char* fractionStart = p;
        while (IsDigit(*p))
            ++p;
        digits += size_t(p - fractionStart);
    }
    if (digits == 0)
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

bool FieldScanner::skipNumber()
{
    if (!start())
        return false;
    const char* end = nullptr;
    if (!realSpan(end))
        return failed_ = true, false;
    p_ = end;
    return true;
}

bool FieldScanner::real(float& value)
{
    if (!start())
        return false;
    const char* end = nullptr;
    if (!realSpan(end))
        return failed_ = true, false;
    const char* first = *p_ == '+' ? p_ + 1 : p_;
    float parsed = 0.0f;
    const auto [ptr, ec] = std::from_chars(first, end, parsed);
    // Out of range reads as a failure rather than as an infinity.
    if (ec != std::errc() || ptr != end)
        return failed_ = true, false;
    value = parsed;
    p_ = end;
    return succeed();
}

bool FieldScanner::integer(int32_t& value, int width)
{
    if (!start())
        return false;
    const char* limit = Limit(p_, width);
    const char* p = p_;
    bool negative = false;
    if (Within(p, limit) && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    int64_t parsed = 0;
    const char* digitsStart = p;
    while (Within(p, limit) && IsDigit(*p)) {
        parsed = parsed * 10 + (*p - '0');
        if (parsed > int64_t{std::numeric_limits<int32_t>::max()} + 1)
            return failed_ = true, false;
        ++p;
    }
    if (p == digitsStart)
        return failed_ = true, false;
    if (negative)
        parsed = -parsed;
    if (parsed > std::numeric_limits<int32_t>::max())
        return failed_ = true, false;
    value = int32_t(parsed);
    p_ = p;
    return succeed();
}

bool FieldScanner::word(char* dest, size_t capacity, int width)
{
    if (capacity == 0 || !start())
        return false;
    const char* limit = Limit(p_, width);
    size_t n = 0;
    while (Within(p_, limit) && !IsBlank(*p_)) {
        if (n + 1 < capacity)
            dest[n++] = *p_;
        ++p_;
    }
    dest[n] = '\0';
    return succeed();
}

bool FieldScanner::letter(char& value)
{
    if (!start())
        return false;
    value = *p_++;
    return succeed();
}
