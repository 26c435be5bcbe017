// SPDX-License-Identifier: MIT
#include "expressionevaluator.h"

#include "numbertext.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace korvane {
namespace {

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<double> parse() {
        std::optional<double> value = expression();
        skipSpace();
        if (!value || pos_ != text_.size())
            return std::nullopt;
        return value;
    }

  private:
    std::optional<double> expression() {
        std::optional<double> left = term();
        while (left) {
            skipSpace();
            char op = peek();
            if (op != '+' && op != '-')
                break;
            ++pos_;
            std::optional<double> right = term();
            if (!right)
                return std::nullopt;
            left = op == '+' ? *left + *right : *left - *right;
        }
        return left;
    }

    std::optional<double> term() {
        std::optional<double> left = unary();
        while (left) {
            skipSpace();
            char op = peek();
            if (op != '*' && op != '/')
                break;
            ++pos_;
            std::optional<double> right = unary();
            if (!right)
                return std::nullopt;
            left = op == '*' ? *left * *right : *left / *right;
        }
        return left;
    }

    // Signs are counted in a loop, so a long run of them needs no stack.
    std::optional<double> unary() {
        bool negative = false;
        for (;;) {
            skipSpace();
            char c = peek();
            if (c == '-')
                negative = !negative;
            else if (c != '+')
                break;
            ++pos_;
        }
        std::optional<double> value = primary();
        if (value && negative)
            *value = -*value;
        return value;
    }

    std::optional<double> primary() {
        skipSpace();
        if (peek() == '(') {
            if (++depth_ > ExpressionEvaluator::kMaxNesting)
                return std::nullopt;
            ++pos_;
            std::optional<double> value = expression();
            skipSpace();
            if (!value || peek() != ')')
                return std::nullopt;
            ++pos_;
            --depth_;
            return value;
        }
        return number();
    }

    std::optional<double> number() {
        size_t start = pos_;
        size_t intDigits = skipDigits();
        size_t fracDigits = 0;
        if (peek() == '.') {
            ++pos_;
            fracDigits = skipDigits();
        }
        if (intDigits + fracDigits == 0)
            return std::nullopt;
        if (peek() == 'e' || peek() == 'E') {
            ++pos_;
            if (peek() == '+' || peek() == '-')
                ++pos_;
            if (skipDigits() == 0)
                return std::nullopt;
        }
        // from_chars wants a digit before the point and no "+" in front.
        std::string token;
        std::string_view literal = text_.substr(start, pos_ - start);
        if (literal.front() == '.')
            token.push_back('0');
        token.append(literal);
        double value = 0.0;
        auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
        // Beyond the double range a literal is infinite, below its smallest
        // value it is 0, and the arithmetic goes on with that.
        if (ec == std::errc::result_out_of_range)
            return NumberText::textToNumber(literal);
        if (ec != std::errc() || end != token.data() + token.size()) {
            // "5." is a number here; from_chars stops before the bare point.
            if (end == token.data() + token.size() - 1 && token.back() == '.')
                return value;
            return std::nullopt;
        }
        return value;
    }

    size_t skipDigits() {
        size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9')
            ++pos_;
        return pos_ - start;
    }

    void skipSpace() {
        while (pos_ < text_.size() &&
               (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\r' ||
                text_[pos_] == '\n' || text_[pos_] == '\v' || text_[pos_] == '\f'))
            ++pos_;
    }

    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

    std::string_view text_;
    size_t pos_ = 0;
    int depth_ = 0;
};

// Integers below 1e15 in plain digits, other values with 15 significant digits
// and, in exponent form, a capital E with at least two exponent digits (5E-05,
// 1E+15), the way length results have always been written.
std::string resultText(double value) {
    if (value == 0.0)
        return "0";
    char buffer[64];
    std::to_chars_result result;
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
    else
        result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    if (size_t e = text.find('e'); e != std::string::npos)
        text[e] = 'E';
    return text;
}

} // namespace

std::string ExpressionEvaluator::evaluate(std::string_view text) const {
    std::optional<double> value = Parser(text).parse();
    if (!value || !std::isfinite(*value))
        return {};
    return resultText(*value);
}

} // namespace korvane
