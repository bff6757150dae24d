#include "text/CommandWords.h"

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

// Splits word by word; `at` runs through the text.
class WordSplitter {
public:
  explicit WordSplitter(std::string_view text) : text(text) {}

  std::vector<std::string> split() {
    while (at < text.size()) {
      const char c = text[at];
      if (isBlank(c) && !quoted) {
        endWord();
        ++at;
      } else if (c == '\\') {
        takeBackslashes();
      } else if (c == '"') {
        toggleQuoting();
      } else {
        take(text.substr(at, 1), 1);
      }
    }
    endWord();
    return words;
  }

private:
  void endWord() {
    // Moved, not copied: a word can be a whole value of tens of megabytes.
    if (inWord)
      words.push_back(std::move(word));
    word.clear();
    inWord = false;
  }

  void take(std::string_view piece, std::size_t consumed) {
    word += piece;
    inWord = true;
    at += consumed;
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
  return WordSplitter(text).split();
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
