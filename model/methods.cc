#include "model/methods.h"

#include "model/cursor_walk.h"

Methods::Methods(const char* name, int flags, const Str& patch)
    : id_(name), returnType_("ErrorMessage"), flags_(flags), selectedOutput_(false), patch_(patch) {
  cursor_ = input_.begin();
}

void Methods::AddInputArg(const Str& pName, const Str& fName, const Str& sName, bool hidden, bool required) {
  input_.push_back(AttrLocator(pName, fName, sName, Str(), hidden, required));
}

AttrLocator* Methods::AddOutputArg(const Str& pName, const Str& fName, const Str& sName, const Str& alias,
                                   bool hidden, bool editable) {
  output_.push_back(AttrLocator(pName, fName, sName, alias, hidden, false));
  output_.back().editable = editable;
  return &output_.back();
}

void Methods::AddDispatcher(const Str& pName, const Str& fName, const Str& sName) {
  dispatchers_.push_back(AttrLocator(pName, fName, sName, Str(), false, false));
}

void Methods::setInputArgSource(const AttrLocator& arg, const WinLocator& source) { sources_[arg] = source; }

void Methods::setInputArgSource(const AttrLocator& arg, const Str& window, const Str& cls, const Str& project) {
  setInputArgSource(arg, WinLocator(project, cls, window));
}

bool Methods::sourceNondefault(const AttrLocator& arg) const { return sources_.count(arg) != 0; }

WinLocator Methods::getSource(const AttrLocator& arg) const {
  auto it = sources_.find(arg);
  return it == sources_.end() ? WinLocator() : it->second;
}

WinLocator* Methods::getSource() {
  const AttrLocator* arg = current();
  if (!arg) return nullptr;
  auto it = sources_.find(*arg);
  return it == sources_.end() ? nullptr : &it->second;
}

void Methods::prepInArgs() {
  selectedOutput_ = false;
  cursor_ = input_.end();
}

void Methods::prepOutArgs() {
  selectedOutput_ = true;
  cursor_ = output_.end();
}

void Methods::reset() { cursor_ = selected().end(); }

bool Methods::next() { return cursorNext(selected(), cursor_); }

const AttrLocator* Methods::current() const {
  if (cursor_ == selected().end()) return nullptr;
  return &*cursor_;
}

Str Methods::getPName() const { return current() ? current()->PName : Str(); }
Str Methods::getFName() const { return current() ? current()->FName : Str(); }
Str Methods::getSName() const { return current() ? current()->SName : Str(); }
Str Methods::getAlias() const { return current() ? current()->alias : Str(); }
bool Methods::isRequired() const { return current() && current()->required; }
bool Methods::isHidden() const { return current() && current()->hidden; }
bool Methods::isEditable() const { return current() && current()->editable; }

Str Methods::printArgs() const {
  Str joined("");
  bool first = true;
  for (const AttrLocator& arg : selected()) {
    if (!first) joined << ", ";
    joined << arg.FName;
    first = false;
  }
  return joined;
}
