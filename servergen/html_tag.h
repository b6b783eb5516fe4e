#pragma once
// Tag: one element of a small markup tree that renders itself as indented
// HTML. Trees are written the way they nest:
//   Tag("TR", "")[Tag("TD", "a=1")["x"], Tag("TD", "a=2")["y"]]
// A subscript adds a child (the first becomes the child, later ones its
// siblings); a comma appends a sibling; children and siblings keep the order
// in which they were written.
#include <initializer_list>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "rt/str.h"

class Tag {
public:
  // An unnamed element; a text node once it holds content.
  Tag() = default;
  // An element with its attribute text (kept even when empty), no content
  // and no child.
  Tag(const Str& name, const Str& attributes);
  Tag(const Tag& other);
  Tag& operator=(const Tag& other);
  ~Tag() = default;

  // A copy of `child` (or a text node holding `text`) becomes the child
  // when there is none, else is appended to the child's siblings.
  Tag& operator[](const Tag& child);
  Tag& operator[](const char* text);
  Tag& operator[](const Str& text);
  // A copy of `sibling` (or a text node) is appended to this element's siblings.
  Tag& operator,(const Tag& sibling);
  Tag& operator,(const char* text);

  operator Str() const { return getContent(Str("")); }
  // An element opens on a new line at `indent`, its child one level deeper;
  // the end tag follows the last content without a line break. A text node
  // gives its content. Siblings follow at the same indent.
  Str getContent(const Str& indent) const;

private:
  static Tag text(const Str& content);

  Str name_;        // null for a text node
  Str attributes_;  // written unchanged inside the start tag when set
  Str content_;     // written right after the start tag
  std::unique_ptr<Tag> child_;
  std::list<Tag> siblings_;
};

// PagePattern: the text of a page layout rendered once, with numbered slots
// where each page's own fields go, so that many pages sharing one layout are
// written by filling in the slots instead of rendering a tree per page.
//   PagePattern pattern(Str(Tag("H1", "")[PagePattern::slot(0)]), 1);
//   pattern.fill(page, {name});
class PagePattern {
public:
  // The mark that stands for slot `k` (0 to 9) in the layout's text.
  static Str slot(int k);
  // Splits the layout at its slots; throws when a slot below `slots` is
  // missing or appears twice, or a mark names another number.
  PagePattern(const Str& layout, int slots);

  // Appends the layout to `out` with `values[k]` in place of slot k.
  void fill(std::string& out, std::initializer_list<std::string_view> values) const;

private:
  std::vector<std::string> pieces_;  // the text before each slot, then the tail
  std::vector<int> slots_;           // the slot after each piece but the last
  int slotCount_;
};
