// randomdesc <seed> <dir>: writes into <dir> a random valid project
// description, deterministic per seed: the main project <P>.tsk with its type
// file types.def and, for some seeds, one or two included or parent projects,
// each in a folder of its own (<dir>/<Q>/<Q>.tsk with its own types.def).
// Beside each types.def, types.qpx.def holds the same types with the user and
// time forms the QPX wrapper is checked with (base_types.h).
// The first line of standard output names the main description, the following
// ones the nested descriptions (relative to <dir>), in the order a build
// generates them: the nested projects first, each by its own run.
//
// The descriptions use the language in random combinations: key kinds, plain,
// enumeration and family types, derived classes up to three levels deep,
// references to classes of the own, included and parent projects, virtual,
// abstract, unarchived and singular classes, defaults and update values,
// declared methods with every argument form, list views with every column and
// condition form, dialog windows and folders, and Groups with rights. Only what
// a correct user could write is generated: names are unique where the servers
// need them to be (classes, methods and views across all projects, attributes
// and columns across a family), no method is named like a standard one, and
// every name a view, method or right refers to exists.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base_types.h"

namespace {

using std::string;
using std::vector;

// splitmix64: the same numbers on every platform and library.
struct Rng {
  uint64_t state;
  uint64_t next() {
    uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<uint64_t>(n)); }
  bool chance(int percent) { return below(100) < percent; }
  template <class T>
  const T& pick(const vector<T>& v) { return v[below(static_cast<int>(v.size()))]; }
  template <class T>
  void shuffle(vector<T>& v) {
    for (size_t i = v.size(); i > 1; --i) std::swap(v[i - 1], v[below(static_cast<int>(i))]);
  }
};

// The kinds of value a stored column holds; they decide which comparisons,
// defaults and update values fit it.
enum class Kind { Int, Code, Text, Money, Rate, User, Date, Enum, Family };

struct Column {
  string name;
  Kind kind;
};

struct EnumType {
  string name;
  vector<string> items;
};

struct Attr {
  string name;
  bool isRef = false;
  bool isVirtual = false;
  bool isKey = false;
  bool named = true;  // a reference written with a name of its own
  Kind kind = Kind::Int;
  string type;      // type name of a typed attribute
  int target = -1;  // referenced class
};

enum class ClassKind { Plain, Virtual, Abstract, UnArch, UnArchAbstract, Singular };

struct Class;

struct Out {
  string text;      // as written in the view's columns
  bool plain;       // an own or inherited attribute, or own-project class column
};

struct Class {
  string name;
  int project = 0;
  int parent = -1;
  int depth = 0;
  ClassKind kind = ClassKind::Plain;
  vector<Attr> attrs;
  vector<int> children;
  vector<string> methodLines;
  vector<string> plainMethods;  // methods a Groups entry may name
  vector<string> declared;      // every method declared so far
  vector<string> viewLines;
  vector<string> views;         // list views with plain result columns
  string dialog;                // a dialog window, when the class has one
  bool hasTable() const { return kind != ClassKind::Virtual; }
  bool listable() const { return kind == ClassKind::Plain || kind == ClassKind::UnArch || kind == ClassKind::Singular; }
};

struct Project {
  string name;
  string dir;       // folder below the main one, empty for the main project
  string relation;  // "include" or "parent" for a nested project
  vector<int> classes;
  vector<EnumType> enums;
};

const vector<string> kClassNames = {
    "Order", "Invoice", "Ticket", "Account", "Visit", "Booking", "Parcel", "Contract", "Payment",
    "Shipment", "Claim", "Lesson", "Device", "Vendor", "Route", "Review", "Task", "Batch",
    "Tariff", "Agent", "Party", "Person", "Company", "Shipper", "Carrier", "Client", "Patient",
    "Doctor", "Nurse", "Ward", "Room", "Course", "Pupil", "Teacher", "Site", "Shelf", "Crate",
    "Pallet", "Truck", "Driver", "Lane", "Dock", "Berth", "Vessel", "Cargo", "Voyage", "Policy",
    "Premium", "Broker", "Fund", "Asset", "Loan", "Lender", "Member", "Club", "Venue", "Seat",
    "Artist", "Album", "Song", "Studio", "Garden", "Plant", "Harvest", "Farm", "Meadow",
    "Tractor", "Recipe", "Dish", "Chef", "Guest", "Hotel", "Suite", "Memo", "Sticky", "Doc",
    "Letter", "Box", "Stamp", "Coupon", "Voucher", "Receipt"};
const vector<string> kAttrNames = {
    "title", "name", "note", "amount", "total", "price", "qty", "weight", "level", "since",
    "until", "rank", "score", "colour", "place", "remark", "phone", "city", "street", "width",
    "fee", "due", "opened", "clerk", "editor", "stamp", "state", "stage", "tier", "region",
    "high", "low", "depth", "height", "motto", "grade", "hint", "owner", "buyer", "seller",
    "holder", "peer", "item", "host", "payer", "origin", "target", "parentdoc", "carrier", "vat"};
const vector<EnumType> kEnums = {
    {"Region", {"North", "South", "East", "West"}}, {"Phase", {"Draft", "Final"}},
    {"Tier", {"Gold", "Silver", "Bronze"}},         {"Shade", {"Red", "Green", "Blue"}},
    {"Status", {"Open", "Closed", "Held"}},         {"Size", {"Small", "Large"}},
    {"Period", {"Daily", "Weekly", "Monthly"}},     {"Pace", {"Slow", "Brisk"}}};
const vector<string> kMainNames = {"shop", "clinic", "school", "harbour", "bank", "farm", "venue", "works"};
const vector<string> kNestedNames = {"base", "stock", "staff", "geo", "common", "tariffs"};
const vector<string> kVerbs = {"Find", "Count", "Close", "Check", "Mark", "Review", "Pick", "Tally",
                               "Scan", "Audit", "Merge", "Split", "Renew", "Browse", "Price"};
const vector<string> kTexts = {"no name", "a \\\"quoted\\\" word", "50%", "x", "edited", "one, two"};

class Generator {
 public:
  explicit Generator(uint64_t seed) : rng_{seed * 0x2545f4914f6cdd1dULL + 1} {}

  void build();
  void write(const std::filesystem::path& dir);

 private:
  Rng rng_;
  vector<Project> projects_;
  vector<Class> classes_;
  vector<string> enumPool_;  // enumeration items already used, across projects
  std::set<string> viewNames_;
  std::set<string> methodNames_;
  vector<string> classPool_;
  size_t classNext_ = 0;
  vector<string> groupsText_;

  string newClassName() { return classPool_[classNext_++]; }
  string ref(int from, int target) const;
  int top(int c) const { return classes_[c].parent < 0 ? c : top(classes_[c].parent); }
  vector<const Attr*> allAttrs(int c) const;
  vector<string> sharedKey(int c) const;
  vector<Column> keyColumns(int c) const;
  vector<Column> refColumns(const Attr& a) const;
  std::set<string> familyNames(int c) const;
  // Whether c's family has a type column a list can read: a virtual root
  // keeps it, with its other columns, in its own server.
  bool inFamily(int c) const { return classes_[top(c)].children.size() > 0 && classes_[top(c)].hasTable(); }
  const EnumType* enumOf(const string& type) const;

  void makeProject(int p, int classCount);
  void makeClass(int p, int parent);
  void addKey(int c);
  void addAttributes(int c, int count);
  void addMethods(int c);
  void addViews(int c);
  void addGroups(int p);
  string literalFor(Kind kind, const string& type);
  string typedArg(int c, bool input);
  vector<string> argColumns(int c, const string& arg) const;
  string condition(int c, vector<string>& cols);
  string attributeLine(int c, const Attr& a);
  string projectText(int p);
};

string Generator::ref(int from, int target) const {
  const Class& t = classes_[target];
  if (classes_[from].project == t.project) return t.name;
  return projects_[t.project].name + "::" + t.name;
}

vector<const Attr*> Generator::allAttrs(int c) const {
  vector<const Attr*> out;
  // A virtual ancestor's columns stay with it in its own server.
  for (int k = c; k >= 0; k = classes_[k].parent)
    if (k == c || classes_[k].hasTable())
      for (const Attr& a : classes_[k].attrs) out.push_back(&a);
  return out;
}

// The key a subclass of a virtual root shares with it: the subclass's own
// table stores it, so a list of the subclass reads it, though no other
// column of the root.
vector<string> Generator::sharedKey(int c) const {
  vector<string> names;
  if (classes_[c].parent >= 0 && !classes_[top(c)].hasTable())
    for (const Column& k : keyColumns(c)) names.push_back(k.name);
  return names;
}

vector<Column> Generator::refColumns(const Attr& a) const {
  vector<Column> out;
  for (const Column& k : keyColumns(a.target)) out.push_back({a.named ? a.name + k.name : k.name, k.kind});
  return out;
}

vector<Column> Generator::keyColumns(int c) const {
  const Class& k = classes_[c];
  if (k.parent >= 0) return keyColumns(k.parent);
  vector<Column> out;
  for (const Attr& a : k.attrs) {
    if (!a.isKey) continue;
    if (a.isRef) {
      for (const Column& col : refColumns(a)) out.push_back(col);
    } else {
      out.push_back({a.name, a.kind});
    }
  }
  return out;
}

// Every name a column or attribute of the family of c already uses.
std::set<string> Generator::familyNames(int c) const {
  std::set<string> names;
  vector<int> todo{top(c)};
  while (!todo.empty()) {
    int k = todo.back();
    todo.pop_back();
    for (const Attr& a : classes_[k].attrs) {
      names.insert(a.name);
      if (a.isRef)
        for (const Column& col : refColumns(a)) names.insert(col.name);
    }
    for (int child : classes_[k].children) todo.push_back(child);
  }
  return names;
}

const EnumType* Generator::enumOf(const string& type) const {
  for (const Project& p : projects_)
    for (const EnumType& e : p.enums)
      if (e.name == type) return &e;
  return nullptr;
}

void Generator::build() {
  classPool_ = kClassNames;
  rng_.shuffle(classPool_);
  vector<string> enums;
  for (const EnumType& e : kEnums) enums.push_back(e.name);
  rng_.shuffle(enums);
  size_t enumNext = 0;

  vector<string> nested = kNestedNames;
  rng_.shuffle(nested);
  int nestedCount = rng_.chance(45) ? 0 : (rng_.chance(60) ? 1 : 2);
  for (int i = 0; i < nestedCount; ++i) {
    Project q;
    q.name = nested[i];
    q.dir = nested[i];
    q.relation = rng_.chance(50) ? "include" : "parent";
    projects_.push_back(q);
  }
  Project m;
  m.name = rng_.pick(kMainNames);
  projects_.push_back(m);
  // No class is named like a project, in any letter case.
  vector<string> pool;
  for (const string& name : classPool_) {
    string lower;
    for (char ch : name) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    bool clash = false;
    for (const Project& q : projects_) clash = clash || q.name == lower;
    if (!clash) pool.push_back(name);
  }
  classPool_ = pool;
  // The nested projects come first so that the main one may refer to them.
  for (size_t p = 0; p < projects_.size(); ++p) {
    int count = rng_.below(3);
    for (int i = 0; i < count && enumNext + i < enums.size(); ++i)
      for (const EnumType& e : kEnums)
        if (e.name == enums[enumNext + i]) projects_[p].enums.push_back(e);
    enumNext += count;
    makeProject(static_cast<int>(p), p + 1 == projects_.size() ? 3 + rng_.below(6) : 1 + rng_.below(3));
  }
  for (size_t p = 0; p < projects_.size(); ++p) {
    for (int c : projects_[p].classes) addMethods(c);
  }
  for (size_t p = 0; p < projects_.size(); ++p) {
    for (int c : projects_[p].classes) addViews(c);
    if (rng_.chance(p + 1 == projects_.size() ? 60 : 25)) addGroups(static_cast<int>(p));
  }
}

void Generator::makeProject(int p, int classCount) {
  for (int i = 0; i < classCount; ++i) {
    // A family: a root and one to three subclasses, sometimes three levels
    // deep; the root or a middle class may be a virtual class, whose own
    // server keeps its rows.
    if (i > 0 && rng_.chance(35)) {
      vector<int> roots;
      for (int c : projects_[p].classes)
        if (classes_[c].depth < 2 && (classes_[c].kind == ClassKind::Plain || classes_[c].kind == ClassKind::UnArch ||
                                      classes_[c].kind == ClassKind::Abstract || classes_[c].kind == ClassKind::Virtual))
          roots.push_back(c);
      if (!roots.empty()) {
        makeClass(p, rng_.pick(roots));
        continue;
      }
    }
    makeClass(p, -1);
  }
}

void Generator::makeClass(int p, int parent) {
  Class k;
  k.name = newClassName();
  k.project = p;
  k.parent = parent;
  if (parent >= 0) {
    k.depth = classes_[parent].depth + 1;
    // A middle class below a class with a table may be virtual: its own
    // server keeps its rows, and its subclasses are added through the root.
    int r = rng_.below(100);
    k.kind = r < 20                                  ? ClassKind::UnArch
             : r < 28 && classes_[parent].hasTable() ? ClassKind::Virtual
                                                     : ClassKind::Plain;
  } else {
    int r = rng_.below(100);
    k.kind = r < 62 ? ClassKind::Plain
           : r < 72 ? ClassKind::Virtual
           : r < 78 ? ClassKind::Abstract
           : r < 86 ? ClassKind::UnArch
           : r < 90 ? ClassKind::UnArchAbstract
                    : ClassKind::Singular;
  }
  int c = static_cast<int>(classes_.size());
  classes_.push_back(k);
  projects_[p].classes.push_back(c);
  if (parent >= 0) classes_[parent].children.push_back(c);
  if (parent < 0) addKey(c);
  if (classes_[c].listable() && rng_.chance(35)) {
    classes_[c].dialog = "Edit" + classes_[c].name;
    viewNames_.insert(classes_[c].dialog);
  }
  addAttributes(c, 1 + rng_.below(4));
  // Under a virtual root the class reads none of the root's columns: it
  // needs one of its own that a method may take, not only a virtual
  // reference (a few tries, as a name may clash).
  auto usable = [&] {
    for (const Attr* a : allAttrs(c))
      if (!a->isRef || !a->isVirtual) return true;
    return false;
  };
  for (int tries = 0; tries < 8 && !usable(); ++tries) addAttributes(c, 1);
}

void Generator::addKey(int c) {
  Class& k = classes_[c];
  Attr a;
  a.isKey = true;
  a.kind = Kind::Int;
  a.type = "Integer";
  if (k.kind == ClassKind::Virtual) {
    a.name = "id";
    k.attrs.push_back(a);
    return;
  }
  // A composite key: a reference to an earlier class with a table, and a number.
  vector<int> masters;
  for (int other : projects_[k.project].classes)
    if (other != c && classes_[other].listable()) masters.push_back(other);
  int form = rng_.below(6);
  if (form == 5 && !masters.empty() && k.kind != ClassKind::Singular) {
    Attr m;
    m.isKey = true;
    m.isRef = true;
    m.target = rng_.pick(masters);
    m.named = rng_.chance(70);
    m.name = m.named ? "master" : classes_[m.target].name;
    k.attrs.push_back(m);
    // The number is named unlike every column the reference brings.
    a.name = rng_.chance(50) ? "pos" : "line";
    for (const Column& col : refColumns(m))
      if (col.name == a.name) a.name = a.name == "pos" ? "line" : "pos";
    for (const Column& col : refColumns(m))
      if (col.name == a.name) a.name = "seq";
    k.attrs.push_back(a);
    return;
  }
  static const char* names[] = {"id", "id", "no", "code", "num"};
  a.name = names[form % 5];
  if (a.name == "code") {
    a.kind = Kind::Code;
    a.type = "Code";
  }
  k.attrs.push_back(a);
  (void)form;
}

void Generator::addAttributes(int c, int count) {
  std::set<string> used = familyNames(c);
  const Project& proj = projects_[classes_[c].project];
  bool isMain = classes_[c].project + 1 == static_cast<int>(projects_.size());
  for (int i = 0; i < count; ++i) {
    Attr a;
    int form = rng_.below(100);
    if (form < 35) {
      // A reference: to an earlier class of this project, or to a class of a nested project.
      vector<int> targets;
      for (int other : proj.classes)
        if (other != c) targets.push_back(other);
      if (isMain)
        for (size_t q = 0; q + 1 < projects_.size(); ++q)
          for (int other : projects_[q].classes) targets.push_back(other);
      // A class refers to no class of its own family, whose key it shares.
      vector<int> fit;
      for (int t : targets)
        if (top(t) != top(c)) fit.push_back(t);
      if (fit.empty()) continue;
      a.isRef = true;
      a.target = rng_.pick(fit);
      a.named = rng_.chance(85);
      a.name = a.named ? rng_.pick(kAttrNames) : classes_[a.target].name;
      bool clash = used.count(a.name) > 0;
      for (const Column& col : refColumns(a)) clash = clash || used.count(col.name) > 0;
      if (clash) continue;
      if (rng_.chance(10)) a.isVirtual = true;
    } else {
      a.name = rng_.pick(kAttrNames);
      if (used.count(a.name)) continue;
      int t = rng_.below(100);
      vector<string> enumTypes;
      for (const Project& q : projects_)
        if (&q == &proj || (isMain && q.name != proj.name))
          for (const EnumType& e : q.enums) enumTypes.push_back(e.name);
      // The typed columns by their share in a hundred; the rest are enumerations.
      static const struct {
        int below;
        Kind kind;
        const char* type;
      } shares[] = {{22, Kind::Int, "Integer"}, {40, Kind::Text, "Text"},   {48, Kind::Code, "Code"},
                    {55, Kind::Money, "Money"}, {60, Kind::Rate, "Rate"},   {70, Kind::User, "UserID"},
                    {78, Kind::Date, "Date"}};
      bool typed = false;
      for (const auto& share : shares)
        if (!typed && t < share.below) {
          a.kind = share.kind, a.type = share.type;
          typed = true;
        }
      if (!typed && !enumTypes.empty()) {
        a.kind = Kind::Enum, a.type = rng_.pick(enumTypes);
      } else if (!typed) {
        a.kind = Kind::Int, a.type = "Integer";
      }
      if (rng_.chance(8)) a.isVirtual = true;
    }
    used.insert(a.name);
    if (a.isRef)
      for (const Column& col : refColumns(a)) used.insert(col.name);
    classes_[c].attrs.push_back(a);
  }
}

string Generator::literalFor(Kind kind, const string& type) {
  switch (kind) {
    case Kind::Int: return rng_.chance(50) ? "\"3\"" : "\"0\"";
    case Kind::Code: return "\"A1\"";
    case Kind::Text: return "\"" + rng_.pick(kTexts) + "\"";
    case Kind::User: return "GUserID";
    case Kind::Enum: return rng_.pick(enumOf(type)->items);
    default: return "";
  }
}

string Generator::attributeLine(int c, const Attr& a) {
  string line = "    ";
  const Class& k = classes_[c];
  if (a.isVirtual) line += "Virtual ";
  if (a.isRef) {
    line += ref(c, a.target);
    if (a.named) line += " " + a.name;
  } else {
    line += a.type + " " + a.name;
  }
  if (a.isKey) {
    if (a.isRef) {
      line += ", PK";
    } else if (a.name == "id" && k.kind != ClassKind::Virtual) {
      line += rng_.chance(50) ? ", GK" : ", SK";
    } else if (a.name == "no") {
      line += ", SK, AUTO_INCREMENT";
    } else {
      line += ", PK";
    }
  } else if (!a.isVirtual && rng_.chance(25)) {
    static const char* options[] = {", NOT NULL", ", INDEX", ", UNIQUE", ", NULL", ", HIDE"};
    line += options[rng_.below(5)];
  } else if (a.isVirtual && !a.isRef && rng_.chance(30)) {
    line += rng_.chance(50) ? ", NOT NULL" : ", NULL";
  }
  if (!a.isVirtual && !a.isKey && rng_.chance(8)) {
    // The list view the default is picked from.
    vector<int> lists;
    for (int o : projects_[k.project].classes)
      if (!classes_[o].views.empty()) lists.push_back(o);
    if (!lists.empty()) {
      int o = rng_.pick(lists);
      line += " <- " + classes_[o].name + "." + rng_.pick(classes_[o].views);
    }
  }
  if (!a.isVirtual && !a.isKey) {
    // Defaults and update values that fit the column.
    switch (a.kind) {
      case Kind::Text:
      case Kind::Code:
        if (rng_.chance(40)) line += " = \"" + rng_.pick(kTexts) + "\"";
        if (rng_.chance(25)) line += " -> \"" + rng_.pick(kTexts) + "\"";
        break;
      case Kind::Int:
        if (!a.isRef && rng_.chance(30)) line += " = \"1\"";
        if (!a.isRef && rng_.chance(10)) line += " Static";
        break;
      case Kind::User:
        if (rng_.chance(60)) line += " = GUserID";
        if (rng_.chance(50)) line += " -> GUserID";
        break;
      case Kind::Date:
        if (rng_.chance(50)) line += " = GUserTime";
        if (rng_.chance(40)) line += " -> GUserTime";
        break;
      case Kind::Enum: {
        const EnumType* e = enumOf(a.type);
        if (rng_.chance(60)) line += " = " + rng_.pick(e->items);
        if (rng_.chance(30)) line += " -> " + rng_.pick(e->items);
        break;
      }
      default: break;
    }
  }
  if (rng_.chance(70)) {
    line += " \"" + a.name + "\"";
    if (rng_.chance(20)) line += ", \"The " + a.name + "\"";
  }
  line += ";";
  if (rng_.chance(10)) line += " /* kept for the " + a.name + " */";
  return line;
}

// An argument of a method of c: a column of c, of a referenced class, or of
// another class of the project.
string Generator::typedArg(int c, bool input) {
  // A virtual reference has no columns to stand for.
  vector<const Attr*> attrs;
  for (const Attr* a : allAttrs(c))
    if (!a->isRef || !a->isVirtual) attrs.push_back(a);
  int form = rng_.below(100);
  const Attr* a = rng_.pick(attrs);
  if (form < 55 || !a->isRef) return a->name;
  if (a->isRef && (form < 80 || !input) && a->named && classes_[a->target].hasTable()) {
    vector<const Attr*> cols;
    for (const Attr* t : allAttrs(a->target))
      if (!t->isRef && !t->isVirtual) cols.push_back(t);
    if (!cols.empty()) return a->name + "." + rng_.pick(cols)->name;
  }
  if (input) {
    // A column of another class with a table, of this project or a nested one.
    vector<int> others;
    bool isMain = classes_[c].project + 1 == static_cast<int>(projects_.size());
    for (size_t k = 0; k < classes_.size(); ++k)
      if (classes_[k].hasTable() && classes_[k].kind != ClassKind::Virtual &&
          (classes_[k].project == classes_[c].project || isMain))
        others.push_back(static_cast<int>(k));
    int o = others.empty() ? c : rng_.pick(others);
    // Its own column or one it inherits, named by the class.
    vector<const Attr*> cols;
    for (const Attr* t : allAttrs(o))
      if (!t->isRef && !t->isVirtual) cols.push_back(t);
    if (!cols.empty()) return ref(c, o) + "." + rng_.pick(cols)->name;
  }
  return a->name;
}

// The names of the columns an argument of a method of c stands for: no two
// arguments of a method may stand for one column.
vector<string> Generator::argColumns(int c, const string& arg) const {
  size_t dot = arg.rfind('.');
  if (dot == string::npos) {
    for (const Attr* a : allAttrs(c))
      if (a->name == arg && a->isRef) {
        vector<string> names;
        for (const Column& col : refColumns(*a)) names.push_back(col.name);
        return names;
      }
    return {arg};
  }
  string left = arg.substr(0, dot), field = arg.substr(dot + 1);
  for (const Class& k : classes_)
    if (left == k.name || (left.size() > k.name.size() + 2 && left.substr(left.size() - k.name.size() - 2) == "::" + k.name))
      return {field};
  return {left + field};
}

void Generator::addMethods(int c) {
  Class& k = classes_[c];
  int count = rng_.below(3);
  for (int i = 0; i < count; ++i) {
    string name;
    do {
      name = rng_.pick(kVerbs) + k.name + (rng_.chance(30) ? std::to_string(rng_.below(9)) : "");
    } while (methodNames_.count(name));
    methodNames_.insert(name);
    int form = rng_.below(100);
    string line = "    ";
    bool plain = false;
    bool internal = form < 12;
    bool isVirtual = false;
    if (internal) {
      line += "Internal " + name;
    } else if (form < 20) {
      line += string("Report ") + (rng_.chance(50) ? "const " : "") + name;
    } else if (form < 26) {
      // A virtual method, served by methods declared before it.
      vector<string> served;
      for (const string& m : k.declared) served.push_back(m);
      for (int o : projects_[k.project].classes)
        for (const string& m : classes_[o].declared)
          if (o != c) served.push_back(classes_[o].name + "." + m);
      if (served.empty()) continue;
      line += string("Virtual ") + (rng_.chance(50) ? "const " : "") + name + "(" +
              (allAttrs(c)[0]->isVirtual ? "" : allAttrs(c)[0]->name) + ") returns " + rng_.pick(served) + ";";
      k.methodLines.push_back(line);
      k.declared.push_back(name);
      isVirtual = true;
    } else if (form < 31) {
      // An SQL view over the class and a column of another class.
      // Its columns are the class's key and a column named unlike the key's.
      std::set<string> key;
      for (const Column& col : keyColumns(c)) key.insert(col.name);
      vector<string> cols;
      for (int o : projects_[k.project].classes)
        if (o != c && classes_[o].listable())
          for (const Attr& b : classes_[o].attrs)
            if (!b.isRef && !b.isVirtual && !key.count(b.name)) cols.push_back(classes_[o].name + "." + b.name);
      string view = "    View " + k.name + "Card(";
      bool twice = false;
      for (const string& m : k.methodLines) twice = twice || m.rfind(view, 0) == 0;
      if (cols.empty() || !k.listable() || twice) continue;
      k.methodLines.push_back(view + k.name + ", " + rng_.pick(cols) + ");");
      isVirtual = true;
    } else {
      static const char* qualifiers[] = {"", "const ", "long ", "long const ", "const long ", "adding ", "removing "};
      int q = rng_.below(7);
      line += string(qualifiers[q]) + name;
      plain = q != 5;  // adding methods are archive methods, which no right names
    }
    if (isVirtual) continue;
    if (plain && rng_.chance(10)) {
      line += "(...)";
    } else {
      line += "(";
      int args = rng_.below(3);
      std::set<string> seen;
      int written = 0;
      for (int j = 0; j < args; ++j) {
        string arg = typedArg(c, true);
        bool clash = false;
        for (const string& col : argColumns(c, arg)) clash = clash || !seen.insert(col).second;
        if (clash) continue;
        if (arg.find('.') == string::npos && !k.dialog.empty() && rng_.chance(15))
          arg += " <- " + string(rng_.chance(50) ? k.name + "." : "") + k.dialog;
        line += string(written++ ? ", " : "") + (rng_.chance(30) ? "*" : rng_.chance(10) ? "-" : "") + arg;
      }
      line += ")";
    }
    if (plain && rng_.chance(8)) {
      // Dispatched by a column of a class of the project.
      for (int o : projects_[k.project].classes)
        for (const Attr& b : classes_[o].attrs)
          if (!b.isRef && !b.isVirtual && !line.empty() && line.find(" dispatched ") == string::npos &&
              rng_.chance(30))
            line += " dispatched by " + classes_[o].name + "." + b.name;
    }
    if (rng_.chance(55)) {
      // An internal method returns one value at most: one typed column.
      line += " returns ";
      int outs = internal ? 1 : 1 + rng_.below(3);
      std::set<string> seen;
      int written = 0;
      for (int j = 0; j < outs; ++j) {
        string arg = typedArg(c, false);
        if (internal) {
          arg.clear();
          for (const Attr* a : allAttrs(c))
            if (!a->isRef) arg = a->name;
          if (arg.empty()) break;
        }
        bool clash = false;
        for (const string& col : argColumns(c, arg)) clash = clash || !seen.insert(col).second;
        if (clash) continue;
        line += (written++ ? ", " : "") + arg;
      }
    }
    line += ";";
    if (rng_.chance(15)) line += " /* " + name + " as the clerks use it */";
    k.methodLines.push_back(line);
    k.declared.push_back(name);
    if (plain) k.plainMethods.push_back(name);
  }
  if (rng_.chance(12)) {
    // The class's own read or archiving of a record by its key, which the
    // servers publish under the standard method's name (<C>Get, ...).
    static const char* reads[] = {"const Get", "GetForUpdate", "MoveToArc"};
    string line = string("    ") + reads[rng_.below(3)] + "(";
    int written = 0;
    for (const Attr& a : k.attrs)
      if (a.isKey) line += (written++ ? ", " : "") + a.name;
    line += ")";
    if (rng_.chance(50)) line += " returns " + typedArg(c, false);
    k.methodLines.push_back(line + ";");
  }
}

// One comparison of a selection of a view of c; cols are the view's columns.
string Generator::condition(int c, vector<string>& cols) {
  (void)cols;
  vector<const Attr*> attrs = allAttrs(c);
  vector<const Attr*> typed, refs;
  vector<const Attr*> right;  // virtual columns serve on the right only
  for (const Attr* a : attrs) {
    if (!a->isRef) right.push_back(a);
    if (!a->isVirtual) (a->isRef ? refs : typed).push_back(a);
  }
  static const char* signs[] = {" = ", " != ", " > ", " < ", " >= ", " <= "};
  string sign = signs[rng_.below(6)];
  for (int tries = 0; tries < 20; ++tries) {
    int form = rng_.below(12);
    if (form == 0 && !typed.empty()) {
      // An own or inherited column with a literal, an enumeration item or the user.
      const Attr* a = rng_.pick(typed);
      string lit = literalFor(a->kind, a->type);
      if (!lit.empty()) return a->name + sign + lit;
    } else if (form == 1 && typed.size() > 1) {
      // Two columns of the class (own or inherited) of one kind.
      const Attr* a = rng_.pick(typed);
      const Attr* b = rng_.pick(right);
      if (a != b && a->kind == b->kind && a->type == b->type) return a->name + sign + b->name;
    } else if (form == 2 && !refs.empty()) {
      // A number against a foreign-key column named by its own name.
      const Attr* r = rng_.pick(refs);
      vector<Column> fk = refColumns(*r);
      for (const Attr* a : typed)
        if (a->kind == fk[0].kind && a->type == "Integer" && fk.size() == 1 && !r->isVirtual)
          return a->name + sign + fk[0].name;
    } else if (form == 3 && !refs.empty()) {
      // A join: a reference against its class, its key column, or itself through the reference.
      const Attr* r = rng_.pick(refs);
      if (!r->named) continue;
      string outer = rng_.chance(35) ? "+ " : "";
      vector<Column> key = keyColumns(r->target);
      int how = rng_.below(3);
      // A class without table, or under a root without one, can only be
      // joined by the key its reference stores.
      if (!classes_[top(r->target)].hasTable()) how = 2;
      if (how == 0) return r->name + " = " + outer + ref(c, r->target);
      if (how == 1 && key.size() == 1) return r->name + " = " + outer + ref(c, r->target) + "." + key[0].name;
      if (key.size() == 1) return r->name + " = " + outer + r->name + "." + key[0].name;
    } else if (form == 4 && !refs.empty()) {
      // A column reached through a reference attribute, with a literal.
      const Attr* r = rng_.pick(refs);
      if (!r->named || !classes_[r->target].hasTable()) continue;
      vector<const Attr*> far;
      for (const Attr* t : allAttrs(r->target))
        if (!t->isRef && !t->isVirtual && !literalFor(t->kind, t->type).empty()) far.push_back(t);
      if (far.empty()) continue;
      const Attr* t = rng_.pick(far);
      return r->name + "." + t->name + sign + literalFor(t->kind, t->type);
    } else if (form == 5 && inFamily(c)) {
      // The family type column with an item of the family.
      vector<int> members{top(c)};
      for (size_t i = 0; i < members.size(); ++i)
        for (int child : classes_[members[i]].children) members.push_back(child);
      string col = classes_[top(c)].name + "Type";
      return col + (rng_.chance(70) ? " = " : " != ") + "is" + classes_[rng_.pick(members)].name;
    } else if (form == 6) {
      // A column named by its class: the class itself or an ancestor.
      vector<int> line;
      for (int k = c; k >= 0; k = classes_[k].parent)
        if (classes_[k].hasTable()) line.push_back(k);
      int k = rng_.pick(line);
      for (const Attr& a : classes_[k].attrs) {
        string lit = a.isRef || a.isVirtual ? "" : literalFor(a.kind, a.type);
        if (!lit.empty()) return classes_[k].name + "." + a.name + sign + lit;
      }
    } else if (form == 7) {
      // A column of a class of a nested project, named by project and class.
      vector<int> far;
      for (const Attr* r : refs)
        if (classes_[r->target].project != classes_[c].project && classes_[r->target].hasTable()) far.push_back(r->target);
      if (far.empty()) continue;
      int t = rng_.pick(far);
      for (const Attr& a : classes_[t].attrs) {
        string lit = a.isRef || a.isVirtual ? "" : literalFor(a.kind, a.type);
        if (!lit.empty()) return ref(c, t) + "." + a.name + sign + lit;
      }
    } else if (form == 8 && !refs.empty()) {
      // A column reached through a reference attribute against a column of
      // the class of one kind (the class may have a column of that name too).
      const Attr* r = rng_.pick(refs);
      if (!r->named || !classes_[r->target].hasTable()) continue;
      vector<std::pair<const Attr*, const Attr*>> pairs;
      for (const Attr* t : allAttrs(r->target))
        if (!t->isRef && !t->isVirtual)
          for (const Attr* b : right)
            if (b->kind == t->kind && b->type == t->type) pairs.push_back({t, b});
      if (pairs.empty()) continue;
      const auto& [t, b] = rng_.pick(pairs);
      return r->name + "." + t->name + sign + b->name;
    } else if (form >= 9 && !typed.empty()) {
      const Attr* a = rng_.pick(typed);
      string lit = literalFor(a->kind, a->type);
      if (!lit.empty()) return a->name + sign + lit;
    }
  }
  // A stored column: own or inherited, else the key the class shares with
  // its virtual root (every class has one or the other).
  return (typed.empty() ? sharedKey(c)[0] : typed[0]->name) + " != \"NULL\"";
}

void Generator::addViews(int c) {
  Class& k = classes_[c];
  if (!k.listable()) return;
  int count = rng_.below(3);
  for (int v = 0; v < count; ++v) {
    string name;
    do {
      name = k.name + rng_.pick(vector<string>{"List", "Open", "Late", "Picked", "Board", "Ledger", "Sheet"}) +
             (rng_.chance(30) ? std::to_string(rng_.below(9)) : "");
    } while (viewNames_.count(name) || methodNames_.count(name));
    viewNames_.insert(name);
    vector<const Attr*> attrs = allAttrs(c);
    vector<string> shared = sharedKey(c);
    vector<string> cols;
    vector<bool> plainCols;
    vector<string> written;
    int colCount = 1 + rng_.below(4);
    for (int i = 0; i < colCount; ++i) {
      int form = rng_.below(100);
      const Attr* a = rng_.pick(attrs);
      string col;
      bool plain = false;
      if (!shared.empty() && form >= 80 && form < 95) {
        // The key of the virtual root, by its name or named by the class.
        col = (rng_.chance(50) ? k.name + "." : "") + rng_.pick(shared);
        plain = true;
      } else if (a->isVirtual) {
        // A virtual attribute is no column of a list.
      } else if (form < 40 && !a->isRef) {
        col = a->name;  // own or inherited
        plain = true;
      } else if (form < 55 && !a->isRef) {
        // Named by the class that declares it.
        for (int x = c; x >= 0; x = classes_[x].parent)
          for (const Attr& b : classes_[x].attrs)
            if (&b == a) col = classes_[x].name + "." + a->name;
        plain = col.rfind(k.name + ".", 0) == 0;
      } else if (form < 80 && a->isRef && a->named && !a->isVirtual && classes_[a->target].hasTable()) {
        vector<string> far = sharedKey(a->target);
        for (const Attr* t : allAttrs(a->target))
          if (!t->isRef && !t->isVirtual) far.push_back(t->name);
        if (!far.empty()) col = a->name + "." + rng_.pick(far);
      } else if (form < 88 && inFamily(c)) {
        col = classes_[top(c)].name + "Type";
      } else if (form < 100) {
        // A column of another class of the project with a table.
        vector<int> others;
        for (int o : projects_[k.project].classes)
          if (classes_[o].hasTable() && classes_[o].kind != ClassKind::Virtual) others.push_back(o);
        int o = rng_.pick(others);
        for (const Attr& b : classes_[o].attrs)
          if (!b.isRef && !b.isVirtual) col = classes_[o].name + "." + b.name;
      }
      if (col.empty()) col = attrs[0]->isRef || attrs[0]->isVirtual ? "" : attrs[0]->name;
      if (col.empty()) continue;
      bool dup = false;
      for (const string& s : cols) dup = dup || s == col;
      if (dup) continue;
      cols.push_back(col);
      plainCols.push_back(plain);
      string w = col;
      if (rng_.chance(40)) w += " \"" + col + "\"";
      if (rng_.chance(8)) w += " [+]";
      if (rng_.chance(10)) w += " editable";
      written.push_back(w);
    }
    if (cols.empty()) continue;
    string text = "    DataWindow " + name + " \"" + name + "\" {\n      ";
    if (rng_.chance(10)) text += "/* the " + name + " */ ";
    for (size_t i = 0; i < written.size(); ++i) text += (i ? ", " : "") + written[i];
    text += ";\n";
    int empty = rng_.below(6);
    if (empty == 1) text += "      WhenEmpty \"Nothing\";\n";
    if (empty == 2) text += "      RowName \"Row\";\n";
    if (empty == 3) text += "      RowName \"Row\", WhenEmpty \"Nothing\";\n";
    if (rng_.chance(70)) {
      int atoms = 1 + rng_.below(3);
      string cond;
      for (int i = 0; i < atoms; ++i) {
        if (i) cond += rng_.chance(50) ? " | " : " & ";
        string atom = condition(c, cols);
        if (i + 1 < atoms && rng_.chance(20)) {
          cond += "(" + atom + (rng_.chance(50) ? " | " : " & ") + condition(c, cols) + ")";
          ++i;
        } else {
          cond += atom;
        }
      }
      text += string("      ") + (rng_.chance(10) ? "Manual " : "") + "Select " + cond + ";\n";
    }
    if (rng_.chance(10)) text += "      exclude " + attrs[0]->name + ";\n";
    // Its own list method as standard input, or an action on a method of the class.
    if (rng_.chance(20)) {
      string m;
      do m = "Browse" + name + std::to_string(rng_.below(9));
      while (methodNames_.count(m));
      methodNames_.insert(m);
      k.methodLines.push_back("    const " + m + "(" + (attrs[0]->isRef ? "" : attrs[0]->name) + ");");
      text += "      StandardInput: " + m + ";\n";
    }
    if (!k.plainMethods.empty() && rng_.chance(30))
      text += "      Act (\"Act\", \"Acts on the row\"): " + rng_.pick(k.plainMethods) + ";\n";
    bool allPlain = true;
    string outs;
    if (rng_.chance(55)) {
      int n = 1 + rng_.below(2);
      std::set<size_t> seen;
      for (int i = 0; i < n; ++i) {
        size_t j = static_cast<size_t>(rng_.below(static_cast<int>(cols.size())));
        if (seen.count(j)) continue;
        seen.insert(j);
        allPlain = allPlain && plainCols[j];
        string o = (rng_.chance(10) ? "\"pre\" " : "") + string(rng_.chance(60) ? "*" : "") + cols[j] +
                   (rng_.chance(10) ? " \"post\"" : "");
        outs += (outs.empty() ? "" : ", ") + o;
      }
      text += "    } returns " + outs + ";\n";
      if (allPlain) k.views.push_back(name);
    } else {
      text += rng_.chance(15) ? "    } returns;\n" : "    }\n";
    }
    k.viewLines.push_back(text);
  }
  // A dialog window or folder over the methods of the class.
  if (!k.dialog.empty()) {
    const string& name = k.dialog;
    bool folder = rng_.chance(30);
    string text = string("    ") + (folder ? "Folder " : "Window ") + name + " \"Edit\"" +
                  (rng_.chance(50) ? " \"Edit " + k.name + "\"" : "") + " {\n";
    if (!k.plainMethods.empty()) {
      string m = rng_.pick(k.plainMethods);
      text += "      Save (\"Save\", \"Saves\"): " + m + (rng_.chance(30) ? " \"Saved\"" : "") + ";\n";
      text += "      StandardInput: " + string(rng_.chance(50) ? k.name + "." : "") + m + ";\n";
    }
    const Attr* a = allAttrs(c)[0];
    text += "      StandardInput(" + a->name + ", " + k.name + "." + a->name + ");\n";
    text += "    }\n";
    k.viewLines.push_back(text);
  }
  // A method that returns what a list view of a class hands back.
  for (int o : projects_[k.project].classes)
    if (!classes_[o].views.empty() && rng_.chance(15)) {
      string m;
      do m = "Pick" + k.name + std::to_string(rng_.below(9));
      while (methodNames_.count(m));
      methodNames_.insert(m);
      k.methodLines.push_back("    " + m + "(" + allAttrs(c)[0]->name + ") returns " + classes_[o].name + "." +
                              rng_.pick(classes_[o].views) + ";");
      break;
    }
}

void Generator::addGroups(int p) {
  string text = "Groups {\n  clerks 1;\n  managers 2;\n";
  if (rng_.chance(50)) text += "  auditors 3;\n";
  bool any = false;
  for (int c : projects_[p].classes) {
    if (!rng_.chance(60)) continue;
    any = true;
    const Class& k = classes_[c];
    text += "  " + k.name + " access " + (rng_.chance(70) ? "granted" : "denied");
    int r = rng_.below(6);
    if (r == 0) text += " clerks";
    if (r == 1) text += " writable clerks readonly managers";
    if (r == 2) text += " writable all";
    if (r == 3) text += " all";
    if (r == 4) text += " audit managers addable clerks updatable clerks removable managers";
    if (r == 5) text += " readonly all audit all";
    if (rng_.chance(20)) text += " not_referencible managers";
    if (!k.plainMethods.empty() && rng_.chance(50)) {
      text += " {\n    " + k.plainMethods[0] + (rng_.chance(50) ? " granted clerks managers;\n" : " denied all;\n") + "  }\n";
    } else {
      text += ";\n";
    }
  }
  if (!any) text += "  " + classes_[projects_[p].classes[0]].name + " access granted writable all;\n";
  text += "}\n";
  groupsText_.resize(projects_.size());
  groupsText_[p] = text;
}

string Generator::projectText(int p) {
  const Project& proj = projects_[p];
  string text = "# A random description, project " + proj.name + ".\n";
  text += "embed \"types.def\"\n";
  if (p + 1 == static_cast<int>(projects_.size()))
    for (size_t q = 0; q + 1 < projects_.size(); ++q)
      text += projects_[q].relation + " \"" + projects_[q].dir + "/" + projects_[q].name + ".tsk\"\n";
  for (int c : proj.classes) {
    const Class& k = classes_[c];
    text += "\n";
    if (rng_.chance(20)) text += "// The " + k.name + " records.\n";
    static const char* kinds[] = {"", "Virtual ", "Abstract ", "UnArch ", "UnArch Abstract ", "Singular "};
    text += kinds[static_cast<int>(k.kind)];
    text += "Class " + k.name;
    if (k.parent >= 0) text += " : " + classes_[k.parent].name;
    text += " \"" + k.name + "\"";
    if (rng_.chance(15)) text += " \"W" + k.name + "\"";
    text += " {\n";
    if (rng_.chance(10)) text += "  /* What a " + k.name + " is. */\n";
    if (rng_.chance(8)) text += "  Icon = \"" + k.name + ".png\";\n";
    text += "  Attributes {\n";
    if (rng_.chance(10)) text += "    \"Main\":\n";
    for (const Attr& a : k.attrs) text += attributeLine(c, a) + "\n";
    text += "  }\n";
    if (!k.methodLines.empty()) {
      text += "  Methods {\n";
      for (const string& m : k.methodLines) text += m + "\n";
      text += "  }\n";
    }
    if (!k.viewLines.empty()) {
      text += "  Views {\n";
      for (const string& v : k.viewLines) text += v;
      text += "  }\n";
    }
    text += "}\n";
  }
  if (p < static_cast<int>(groupsText_.size()) && !groupsText_[p].empty()) text += "\n" + groupsText_[p];
  return text;
}

void Generator::write(const std::filesystem::path& dir) {
  // One draw for all projects: a nested project declares the same base types.
  const BaseTypes base(rng_.below(4), rng_.below(4), rng_.chance(70), rng_.chance(70));
  for (size_t p = 0; p < projects_.size(); ++p) {
    const Project& proj = projects_[p];
    std::filesystem::path folder = proj.dir.empty() ? dir : dir / proj.dir;
    std::filesystem::create_directories(folder);
    string types;
    for (const EnumType& e : proj.enums) {
      types += e.name + " : C = \"Int\", WS = \"CODE\", COMM = \"DP_INT\", qorbex = \"Int\", Name = \"" + e.name +
               "\" {\n";
      for (size_t i = 0; i < e.items.size(); ++i) {
        // Item texts are free text: now and then one spans two lines or ends in a backslash.
        string text = e.items[i];
        int odd = rng_.below(100);
        if (odd < 3) text += "\nsecond line";
        if (odd >= 3 && odd < 6) text += " \\\\";
        types += "  " + e.items[i] + " = " + std::to_string(i + 1) + " \"" + text + "\";\n";
      }
      types += "}\n";
    }
    std::ofstream(folder / "types.def") << base.text(false) << types;
    std::ofstream(folder / "types.qpx.def") << base.text(true) << types;
    std::ofstream(folder / (proj.name + ".tsk")) << projectText(static_cast<int>(p));
  }
  std::cout << projects_.back().name << ".tsk\n";
  for (size_t p = 0; p + 1 < projects_.size(); ++p)
    std::cout << projects_[p].dir << "/" << projects_[p].name << ".tsk\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: randomdesc <seed> <dir>\n";
    return 2;
  }
  char* end = nullptr;
  unsigned long long seed = std::strtoull(argv[1], &end, 10);
  if (*argv[1] == '\0' || *end != '\0') {
    std::cerr << "randomdesc: the seed must be a number\n";
    return 2;
  }
  Generator g(seed);
  g.build();
  g.write(argv[2]);
  return 0;
}
