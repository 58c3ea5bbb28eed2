#pragma once
// Reads the fields of a normalised sentence (commas turned into blanks, empty fields into "0")
// the way a whitespace-separated scan format would: each read skips blanks first, an optional
// width limits the characters taken, and the first read that fails ends the scan, so the
// fields after it keep the values the caller cleared them to. Unlike a scan format, a text read
// never writes past its destination, and numbers are only plain decimals (no "inf", "nan" or hex).

#include <cstddef>
#include <cstdint>

class FieldScanner {
public:
    explicit FieldScanner(const char* text) : p_(text) {}

    // A skipped token ("%*s", "%*Ns").
    bool skip(int width = 0);
    // A skipped number ("%*f").
    bool skipNumber();
    // A decimal integer ("%d", "%Nd"); fails on overflow.
    bool integer(int32_t& value, int width = 0);
    // A decimal real ("%f"): sign, digits, point, digits, exponent.
    bool real(float& value);
    // A token into dest of `capacity` bytes, zero-terminated, at most `width` characters when
    // width is above 0 ("%Ns"); a longer token is cut at the capacity and the rest skipped.
    bool word(char* dest, size_t capacity, int width = 0);
    // One character ("%1s").
    bool letter(char& value);

    // Conversions that succeeded so far.
    int count() const { return count_; }
    bool failed() const { return failed_; }

private:
    bool start();
    bool realSpan(const char*& end) const;
    bool succeed();

    const char* p_;
    int count_ = 0;
    bool failed_ = false;
};
