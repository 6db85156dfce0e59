// The part of CSS's tokenizer a colour value needs, over lower-case ASCII (a byte of
// 0x80 or above stands for any other character, which CSS counts as a name
// character): numbers, percentages, dimensions, names, functions, commas, slashes
// and closing parentheses, with white space and comments passed over. Escapes,
// strings and URLs are no part of a colour, and come out as a Delim that no colour
// grammar takes.
#ifndef TINTWELL_PICKER_COLOUR_CSS_TOKENS_H
#define TINTWELL_PICKER_COLOUR_CSS_TOKENS_H

#include <string_view>

namespace tintwell {

enum class CssTokenKind {
    Number,
    Percentage,
    Dimension,  // text is the unit
    Ident,      // text is the name
    Function,   // text is the name, the "(" taken with it
    Comma,
    Slash,
    CloseParen,
    Delim,  // anything else, a number too large for a double included
    End,
};

struct CssToken {
    CssTokenKind kind;
    double value;  // finite, for the three numeric kinds
    std::string_view text;
};

class CssTokenizer {
  public:
    explicit CssTokenizer(std::string_view text) : text_(text) {}

    CssToken Next();

  private:
    void SkipSpaceAndComments();
    bool StartsName(size_t at) const;
    bool StartsNumber(size_t at) const;
    std::string_view Name();
    CssToken Numeric();

    std::string_view text_;
    size_t at_ = 0;
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_CSS_TOKENS_H
