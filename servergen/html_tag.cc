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
