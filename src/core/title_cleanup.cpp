#include "core/title_cleanup.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace kadrion::core {

namespace {

constexpr std::size_t npos = std::string_view::npos;

// While `text` occurs, `removed` characters are deleted from its first occurrence, or from the
// first occurrence of `from` when that is set. A count above the length of `text` takes the
// characters after the match too; a smaller one leaves the last characters of the match.
struct Rule {
  std::string text;
  std::size_t removed;
  std::string from = {};
};

const std::vector<Rule>& Rules() {
  static const std::vector<Rule> rules = [] {
    const std::string tag1(kSiteTag1), tag2(kSiteTag2), tag3(kSiteTag3);
    return std::vector<Rule>{
        {" (Lektor PL)", 13},  // with the character after it: "Film (Lektor PL).avi" -> "Filmavi"
        {".(Lektor.PL)", 12},
        {"(Lektor PL)", 11},
        {".(" + tag1 + ")", 13},
        {"(" + tag1 + ")", 12},
        {".(" + tag2 + ")", 15},
        {"(" + tag2 + ")", 14},
        {" [Pl Dubbing]", 13},
        {".[Pl Dubbing]", 13},
        {" - dubbing PL", 13},
        {"dubbing PL", 10},
        {".dubbing", 8},
        {"dubbing", 7},
        {"(" + tag3 + ")", 13},
        {tag3, 11},
        {".XviD.AC3.DVDRip", 16},
        {".dvdrip.XiVD", 12},
        {".DVDRip", 7},
        {" DVDRip", 7, "DVDRip"},  // the blank stays, the character after the tag goes
        {".Dvdrip", 7},
        {" Dvdrip", 7},
        {"Dvdrip", 6},
        {"dvdrip", 6},
        {"2007", 4},  // 2006 and the years before 2001 stay
        {"2005", 4},
        {"2004", 4},
        {"2003", 4},
        {"2002", 4},
        {"2001", 4},
        {"SiBV", 4},
        {".[LEX]", 6},
        {"CiMG", 4},
        {"iNT", 3},
        {"--", 2},
        {"(Xvid)", 6},
        {"Xvid", 4},
        {"XViD", 4},
        {".AC3", 4},
        {"AC3", 3},
        {".CD2", 4},
        {".CD1", 4},
        {".Cd2", 4},  // ".Cd1" has no row of its own
        {".cd2", 4},
        {".cd1", 4},
        {" cd 1", 5},
        {" cd 2", 5},
        {" cd.1", 5},
        {" cd.2", 5},
        {" Cd.1", 5},
        {" Cd.2", 5},
        {" cd1", 4},
        {" cd2", 4},
        {"cd1", 3},
        {"cd2", 4},  // with the character after it: "Film-cd2.avi" -> "Film-avi"
        {" Cd1", 4},
        {" Cd2", 4},
        {".avi", 4},
        {".mpg", 4},
        {".rmvb", 5},
        {" PL", 3},
        {".[", 2},
        {"].", 2},
        {" [", 2},
        {" ]", 2},
        {"_-_", 2},  // leaves "_", a blank in the end
        {" ()", 3},
        {"()", 2},
        {"    ", 3},  // runs of blanks shrink to one
        {"   ", 2},
        {"  ", 1},
        {"]", 1},
        {"[", 1},
    };
  }();
  return rules;
}

// A text looked for during one pass, with where it was last found in the untouched rest.
struct Needle {
  std::string_view text;
  bool searched = false;
  std::size_t at = npos;  // offset in the pass's input; npos: not in the rest at all
};

// The text while one rule runs: `done_` has been looked at and may have been cut, `rest_` is
// the part of the rule's input not reached yet. Each deletion starts at the first occurrence,
// so nothing before it changes and the next occurrence cannot start more than a needle's length
// before it; looking only from there makes a rule one pass over the text instead of a rescan
// from the start after every deletion.
class Pass {
 public:
  explicit Pass(std::string_view input) : input_(input), rest_(input) {
    done_.reserve(input.size());
  }

  // Where the first occurrence of the needle starts in the whole text, or npos.
  std::size_t Find(Needle& needle) {
    const std::size_t length = needle.text.size();
    const std::size_t from = lastCut_ + 1 > length ? lastCut_ + 1 - length : 0;
    if (from < done_.size()) {
      std::string seam = done_.substr(from);
      seam.append(rest_.substr(0, length - 1));
      const std::size_t hit = seam.find(needle.text);
      if (hit != npos && from + hit < done_.size()) return from + hit;
    }
    // The rest is an unchanged tail of the input, so an occurrence found in it earlier is still
    // the first one there until the pass moves past it.
    const std::size_t restStart = input_.size() - rest_.size();
    if (!needle.searched || (needle.at != npos && needle.at < restStart)) {
      const std::size_t hit = rest_.find(needle.text);
      needle.at = hit == npos ? npos : restStart + hit;
      needle.searched = true;
    }
    return needle.at == npos ? npos : done_.size() + (needle.at - restStart);
  }

  void Delete(std::size_t at, std::size_t count) {
    if (at > done_.size()) {
      const std::size_t step = at - done_.size();
      done_.append(rest_.substr(0, step));
      rest_.remove_prefix(step);
    }
    const std::size_t inDone = std::min(count, done_.size() - at);
    done_.erase(at, inDone);
    rest_.remove_prefix(std::min(count - inDone, rest_.size()));
    lastCut_ = at;
  }

  std::string Finish() && {
    done_.append(rest_);
    return std::move(done_);
  }

 private:
  std::string_view input_;
  std::string done_;
  std::string_view rest_;
  std::size_t lastCut_ = 0;
};

std::string Apply(const Rule& rule, std::string text) {
  if (text.find(rule.text) == npos) return text;
  Pass pass(text);
  Needle match{rule.text};
  Needle start{rule.from.empty() ? rule.text : rule.from};
  for (std::size_t at; (at = pass.Find(match)) != npos;)
    pass.Delete(rule.from.empty() ? at : pass.Find(start), rule.removed);
  return std::move(pass).Finish();
}

// The result of a round trip through a small ini file: the text written as value "a" of
// section "a", the six characters blanked in the file's first 500 bytes, the value read back.
// The file starts with the 7 bytes "[a]", CR LF, "a=", hence 493 characters of the value; the
// writer keeps leading blanks, so they count toward the 493.
std::string ReplaceAndTrim(std::string text) {
  constexpr std::size_t kReach = 493;
  // A value is one line of the file and a C string: a line break or a NUL ends it.
  text.resize(std::min(text.size(), text.find_first_of(std::string_view("\r\n\0", 3))));

  const std::size_t reach = std::min(text.size(), kReach);
  for (std::size_t k = 0; k < reach; ++k)
    if (std::string_view("}/{#_.").find(text[k]) != npos) text[k] = ' ';

  // The ini reader trims the value and then drops one pair of enclosing quotation marks,
  // without trimming again inside them.
  const std::size_t first = text.find_first_not_of(' ');
  if (first == npos) return {};
  text.erase(text.find_last_not_of(' ') + 1);
  text.erase(0, first);
  if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
      text.back() == text.front())
    text = text.substr(1, text.size() - 2);
  return text;
}

}  // namespace

std::string CleanTitle(std::string_view text) {
  std::string title(text);
  for (const Rule& rule : Rules()) title = Apply(rule, std::move(title));
  return ReplaceAndTrim(std::move(title));
}

}  // namespace kadrion::core
