#include "text/CommandWords.h"

#include <algorithm>
#include <iterator>

namespace {

// The bytes that end a word outside quotes.
constexpr char Blanks[] = {' ', '\t', '\r'};

bool isBlank(char c) {
  return std::find(std::begin(Blanks), std::end(Blanks), c) != std::end(Blanks);
}

bool startsSwitch(std::string_view word) {
  return word.substr(0, 2) == "-D" || word.substr(0, 2) == "-I";
}

// Splits word by word; `at` runs through the text. With `onlySwitchWords`
// a word is dropped once its first two bytes show it is no switch, unless
// it follows a bare "-D" or "-I" (whose value it is): no switch can use it.
class WordSplitter {
public:
  WordSplitter(std::string_view text, bool onlySwitchWords)
      : text(text), onlySwitchWords(onlySwitchWords) {}

  std::vector<std::string> split() {
    while (at < text.size()) {
      const char c = text[at];
      if (isBlank(c) && !quoted) {
        endWord();
        ++at;
      } else if (dropped) {
        skipDropped();
      } else if (c == '\\') {
        takeBackslashes();
      } else if (c == '"') {
        toggleQuoting();
      } else {
        // A run of plain bytes is taken at once.
        std::size_t end = at + 1;
        while (end < text.size() && !special(text[end]))
          ++end;
        take(text.substr(at, end - at), end - at);
      }
    }
    endWord();
    return words;
  }

private:
  bool special(char c) const {
    return c == '\\' || c == '"' || (isBlank(c) && !quoted);
  }

  void endWord() {
    // Moved, not copied: a word can be a whole value of tens of megabytes.
    if (inWord && !dropped) {
      afterBareSwitch = word == "-D" || word == "-I";
      words.push_back(std::move(word));
    } else if (inWord) {
      afterBareSwitch = false;
    }
    word.clear();
    inWord = false;
    dropped = false;
  }

  // A dropped word (a "D1=" value of megabytes may be one) is only looked
  // through for where it ends: a blank outside quotes. A quote still
  // toggles quoting unless an odd run of backslashes escapes it.
  void skipDropped() {
    const std::size_t from = at;
    while (at < text.size()) {
      const std::size_t stop = quoted ? text.find('"', at) : nextBlankOrQuote(at);
      if (stop == std::string_view::npos) {
        at = text.size();
        return;
      }
      at = stop;
      if (text[stop] != '"')
        return;
      std::size_t run = 0;
      while (stop - run > from && text[stop - run - 1] == '\\')
        ++run;
      if (run % 2 == 0)
        quoted = !quoted;
      ++at;
    }
  }

  // Looked for a window at a time, each byte with memchr: far faster on a
  // word of megabytes than testing every byte for four values.
  std::size_t nextBlankOrQuote(std::size_t from) const {
    const std::size_t window = 4096;
    for (std::size_t start = from; start < text.size(); start += window) {
      std::string_view rest = text.substr(start, window);
      const std::size_t windowSize = rest.size();
      for (char blank : Blanks)
        rest = rest.substr(0, std::min(rest.find(blank), rest.size()));
      rest = rest.substr(0, std::min(rest.find('"'), rest.size()));
      if (rest.size() < windowSize)
        return start + rest.size();
    }
    return std::string_view::npos;
  }

  void take(std::string_view piece, std::size_t consumed) {
    inWord = true;
    at += consumed;
    if (onlySwitchWords && !afterBareSwitch && word.size() < 2) {
      const std::string_view head = piece.substr(0, 2 - word.size());
      word += head;
      piece.remove_prefix(head.size());
      if (word.size() == 2 && !startsSwitch(word)) {
        dropped = true;
        word.clear();
        return;
      }
    }
    word += piece;
  }

  void toggleQuoting() {
    quoted = !quoted;
    // A quote opens a word even if nothing else follows.
    take(std::string_view(), 1);
  }

  void takeBackslashes() {
    std::size_t run = 0;
    while (at + run < text.size() && text[at + run] == '\\')
      ++run;
    const bool beforeQuote = at + run < text.size() && text[at + run] == '"';
    if (!beforeQuote) {
      take(std::string(run, '\\'), run);
      return;
    }
    // An even run leaves the quote to toggle; an odd one escapes it.
    if (run % 2 == 0)
      take(std::string(run / 2, '\\'), run);
    else
      take(std::string(run / 2, '\\') + '"', run + 1);
  }

  std::string_view text;
  const bool onlySwitchWords;
  bool dropped = false;
  bool afterBareSwitch = false;
  std::size_t at = 0;
  bool quoted = false;
  bool inWord = false;
  std::string word;
  std::vector<std::string> words;
};

bool usable(const std::string& value) {
  return !value.empty() && value.find("$(") == std::string::npos;
}

}  // namespace

std::vector<std::string> splitCommandWords(std::string_view text) {
  return WordSplitter(text, false).split();
}

std::vector<CompilerSwitch> commandLineSwitches(std::string_view text) {
  return findCompilerSwitches(WordSplitter(text, true).split());
}

std::vector<CompilerSwitch> findCompilerSwitches(const std::vector<std::string>& words) {
  std::vector<CompilerSwitch> switches;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    const bool definition = word.compare(0, 2, "-D") == 0;
    if (!definition && word.compare(0, 2, "-I") != 0)
      continue;
    std::string value = word.substr(2);
    // "-D NAME": the value is the next word, which is then used up.
    if (value.empty() && i + 1 < words.size())
      value = words[++i];
    if (usable(value))
      switches.push_back(
          CompilerSwitch{definition ? CompilerSwitch::Definition : CompilerSwitch::IncludePath,
                         value});
  }
  return switches;
}
