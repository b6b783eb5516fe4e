#include "servergen/html_tag.h"

Tag::Tag(const Str& name, const Str& attributes) : name_(name), attributes_(attributes) {
  // The attribute text counts as set even when it is empty, so that the
  // start tag keeps its blank before ">".
  if (attributes_.IsNull()) attributes_ = Str("");
}

Tag::Tag(const Tag& other)
    : name_(other.name_),
      attributes_(other.attributes_),
      content_(other.content_),
      child_(other.child_ ? std::make_unique<Tag>(*other.child_) : nullptr),
      siblings_(other.siblings_) {}

Tag& Tag::operator=(const Tag& other) {
  if (this == &other) return *this;
  Tag copy(other);  // the source may be part of this tree
  name_ = copy.name_;
  attributes_ = copy.attributes_;
  content_ = copy.content_;
  child_ = std::move(copy.child_);
  siblings_ = std::move(copy.siblings_);
  return *this;
}

Tag Tag::text(const Str& content) {
  Tag node;
  node.content_ = content;
  return node;
}

Tag& Tag::operator[](const Tag& child) {
  if (child_)
    child_->siblings_.push_back(child);
  else
    child_ = std::make_unique<Tag>(child);
  return *this;
}

Tag& Tag::operator[](const char* content) { return (*this)[text(content)]; }

Tag& Tag::operator[](const Str& content) { return (*this)[text(content)]; }

Tag& Tag::operator,(const Tag& sibling) {
  siblings_.push_back(sibling);
  return *this;
}

Tag& Tag::operator,(const char* content) { return (*this, text(content)); }

Str Tag::getContent(const Str& indent) const {
  Str out("");
  if (name_.IsNull()) {
    out << content_;
  } else {
    out << "\n" << indent << "<" << name_;
    if (!attributes_.IsNull()) out << " " << attributes_;
    out << ">" << content_;
    if (child_) out << child_->getContent(indent + "  ");
    out << "</" << name_ << ">";
  }
  for (const Tag& sibling : siblings_) out << sibling.getContent(indent);
  return out;
}

namespace {
const char slotMark = '\x01';  // never part of a generated page
}

Str PagePattern::slot(int k) { return Str(slotMark) << static_cast<char>('0' + k); }

PagePattern::PagePattern(const Str& layout, int slots) : slotCount_(slots) {
  const std::string& text = layout.std();
  std::vector<bool> seen(static_cast<std::size_t>(slots), false);
  std::size_t from = 0;
  for (std::size_t mark; (mark = text.find(slotMark, from)) != std::string::npos; from = mark + 2) {
    int k = mark + 1 < text.size() ? text[mark + 1] - '0' : -1;
    if (k < 0 || k >= slots || seen[static_cast<std::size_t>(k)]) throw Str("Page layout with a bad slot mark");
    seen[static_cast<std::size_t>(k)] = true;
    pieces_.push_back(text.substr(from, mark - from));
    slots_.push_back(k);
  }
  pieces_.push_back(text.substr(from));
  if (slots_.size() != static_cast<std::size_t>(slots)) throw Str("Page layout without every slot");
}

void PagePattern::fill(std::string& out, std::initializer_list<std::string_view> values) const {
  if (values.size() != static_cast<std::size_t>(slotCount_)) throw Str("Page fields do not match the layout's slots");
  for (std::size_t i = 0; i < slots_.size(); ++i) {
    out += pieces_[i];
    out += values.begin()[slots_[i]];
  }
  out += pieces_.back();
}
