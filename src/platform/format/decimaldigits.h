#pragma once

// The decimal form of a double with at most 15 significant digits, the precision every
// formatting and rounding step works on: value = 0.d[0]d[1]...d[count-1] × 10^pointPosition
// with d[0] != 0 (count 0 for zero). Working on these digits, not on the binary value, is
// what makes 1.005 round to 1.01.
struct DecimalDigits {
    char digits[17];
    int count = 0;
    int pointPosition = 0; // digits before the decimal point (may be <= 0 or > count)
    bool negative = false;

    bool isZero() const { return count == 0; }
    char digitAt(int index) const { return index >= 0 && index < count ? digits[index] : '0'; }

    // Rounds half away from zero to the given number of digits after the decimal point.
    void roundToDecimals(int decimals);
};

// Finite values only.
DecimalDigits SignificantDigits15(double value);
