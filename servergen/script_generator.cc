// The server's callable methods described for the Orvale script language
// (.src/<P>_Structs.orv: one declaration per method that returns a list or
// a record) and for people (.src/<P>help.html: an index of the documented
// classes and their methods, and one page per method under .src/HTML/).
#include "servergen/script_generator.h"

#include <map>

#include "model/class_desc.h"
#include "model/methods_map.h"
#include "model/process_state.h"
#include "model/project.h"
#include "model/types_house.h"
#include "rt/output_file.h"
#include "servergen/display_label.h"
#include "servergen/generated_project.h"
#include "servergen/html_tag.h"
#include "servergen/output_ids.h"

namespace {

// The class a method belongs to: its declaring class, or the class of its
// key for a method a generator registered.
Str owningClass(const MethodDesc& method, const MethodsMap::Key& key) {
  return method.owner ? method.owner->Id() : key.first;
}

// The script type of an argument: the type's own "Orvale" word, else the
// script type of its C++ class; empty for classes the script cannot hold.
Str scriptType(const Str& type) {
  Str word = TypesPool.findType(type, "Orvale");
  if (!word.IsEmpty()) return word;
  static const std::map<Str, Str> byCodeType = {
      {"Int", "int"}, {"Str", "char"}, {"Double", "double"}, {"RealBlob", "blob"}, {"FBlob", "blob"}};
  auto found = byCodeType.find(TypesPool.findType(type, "C"));
  return found == byCodeType.end() ? Str("") : found->second;
}

// Appends the C++ class of an argument's type with its length, "(<LEN>)",
// when the type has one.
Str& appendTypeWithLength(Str& text, const Attributes& arg) {
  text << TypesPool.findType(arg.Type(), "C");
  Str length = TypesPool.findType(arg.Type(), "LEN").trim();
  if (!length.IsEmpty()) text << "(" << length << ")";
  return text;
}

// A comment up to its first "{", where the machine-read groups begin.
Str summaryOf(const Str& comment) { return comment.substr(0, comment.find('{')).trim(); }

const char* const metaLine = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">";

Str pageTitle(const Str& project) { return "Internal API of " + project + "_Container."; }

}  // namespace

// ---------------------------------------------------------------------------
// Script declarations

void OrvaleGenerator::Generate() {
  Project& project = generatedProject(project_);
  MethodsMap& map = project.methods;
  structs_ << "namespace " << project_ << " {\n";
  map.reset();
  while (map.next()) {
    MethodDesc& method = map.Body();
    if (method.isInternal() || method.isNOHeader()) continue;
    Str name = map.Name();
    if (name == "Add" || name == "Update" || name == "GetForUpdate" || name == "Get")
      name = owningClass(method, map.IdPair()) + name;
    if (method.resultType == "ListResult")
      structs_ << "list " << name << "(";
    else if (method.resultType == "ItemResult")
      structs_ << "struct " << name << "(";
    else
      continue;
    // The outputs become the fields of one script structure; the unique ids
    // stay in the map for the writers that follow.
    numberRepeatedIds(method.output);
    const char* separator = "";
    for (const Attributes& arg : method.output) {
      structs_ << separator << scriptType(arg.Type()) << " " << arg.Id();
      separator = ", ";
    }
    structs_ << " );\n";
  }
  structs_ << "}\n";
}

// ---------------------------------------------------------------------------
// Index page

std::list<Str> OrvaleGenerator::documentedClasses(Project& project) {
  std::list<Str> documented;
  project.tables.reset();
  while (project.tables.next()) {
    Str table = project.tables.getTable();
    auto cls = project.classes.find(table);
    if (project.objects.count(table) && cls != project.classes.end() && cls->second && !cls->second->IsSQLView())
      documented.push_back(table);
  }
  return documented;
}

// One index row per argument: its C++ class and length, id, display name
// and comment.
void OrvaleGenerator::argumentRows(const char* heading, const AttribList& args) {
  html_ << "    " << tr(heading) << "\n";
  html_ << "      <ul><table border=0 rules=calls selspacing=0 allign=left>\n";
  const char* separator = "";
  for (const Attributes& arg : args) {
    Str type("");
    html_ << separator << "      <tr><td>" << appendTypeWithLength(type, arg) << " <td>" << arg.Id() << " <td>" << labelOf(arg);
    if (!arg.Comment().IsEmpty()) html_ << "<td><em>" << arg.Comment() << "</em>";
    separator = ", \n";
  }
  html_ << "\n      </table></ul>\n";
}

void OrvaleGenerator::GenerateHTMLHelp() {
  Project& project = generatedProject(project_);
  MethodsMap& map = project.methods;
  std::list<Str> classes = documentedClasses(project);
  countPageNames(project, classes);
  html_ << "<html>\n<head>\n" << metaLine << "\n<title>" << pageTitle(project_) << "</title>\n</head>\n<body>\n\n";
  for (const Str& T : classes) html_ << "<a href=\"#" << T << "\">" << T << "</a><br>\n";
  html_ << "<ul>\n";
  for (const Str& T : classes) {
    const ClassDesc& cls = *project.classes[T];
    html_ << "  <li><a name=\"" << T << "\"></a><b>" << tr("Class") << " " << T << "</b> - " << cls.ClassAlias()
          << " : <em>" << cls.getComment() << "</em>\n  <ul>\n";
    for (bool on = map.seekClass(T); on && map.IdPair().first == T; on = map.next()) {
      const MethodDesc& method = map.Body();
      if (method.isInternal() || method.isNOHeader()) continue;
      GenerateHTMLHelpForMethod(T, method);
      html_ << "    <li>" << map.Name();
      if (method.resultType == "ListResult" || method.resultType == "ItemResult" ||
          method.resultType == "ErrorMessage")
        html_ << " - " << method.resultType << " : ";
      else
        continue;
      html_ << "<em>" << method.comment << " </em><br>\n";
      argumentRows("Arguments:", method.input);
      if (!method.output.isEmpty()) argumentRows("Result:", method.output);
    }
    html_ << "  </ul>\n";
  }
  html_ << "</ul>\n</body>\n</html>\n";
}

// ---------------------------------------------------------------------------
// Method pages

// A method name that more than one documented class uses would give their
// pages one file, the later replacing the earlier; such pages are named
// <class>.<method>.html instead (no name holds a dot, so no two collide).
// Counted before the index walk, since the page writer must leave the
// method map's cursor alone.
void OrvaleGenerator::countPageNames(Project& project, const std::list<Str>& classes) {
  MethodsMap& map = project.methods;
  for (const Str& T : classes)
    for (bool on = map.seekClass(T); on && map.IdPair().first == T; on = map.next())
      if (!map.Body().isInternal() && !map.Body().isNOHeader()) ++classesPerName_[map.Name()];
}

Str OrvaleGenerator::pagePath(const Str& className, const Str& methodName) const {
  auto count = classesPerName_.find(methodName);
  bool shared = count != classesPerName_.end() && count->second > 1;
  return ".src/HTML/" + (shared ? className + "." + methodName : methodName) + ".html";
}

namespace {

// Appends the syntax line of one argument: C++ class, id and the readable
// part of its comment.
void appendSyntaxLine(Str& text, const Attributes& arg) {
  appendTypeWithLength(text << "  <B>", arg) << "</B> <I>" << arg.Id() << "</I>";
  Str note = summaryOf(arg.Comment());
  if (!note.IsEmpty()) text << " - " << note;
  text << ".\n";
}

Str syntaxText(const Str& project, const Str& name, const MethodDesc& method) {
  Str text = Str("<B>") << method.resultType << " " << project << "::" << name << "(</B>\n";
  for (const Attributes& arg : method.input) appendSyntaxLine(text, arg);
  text << "<B>)</B>\n";
  if (!method.output.isEmpty()) {
    text << "<B>returns</B>\n";
    for (const Attributes& arg : method.output) appendSyntaxLine(text, arg);
  }
  return text;
}

// One term and description per complete "{term|description}" group of the
// comment; the first incomplete group ends the list.
Str notesText(const Str& comment) {
  Str notes("");
  std::size_t at = 0;
  for (;;) {
    std::size_t open = comment.find('{', at);
    if (open == Str::npos) break;
    std::size_t bar = comment.find('|', open + 1);
    if (bar == Str::npos) break;
    std::size_t close = comment.find('}', bar + 1);
    if (close == Str::npos) break;
    notes << "  <DT><I>" << comment.substr(open + 1, bar - open - 1) << "</I></DT>\n"
          << "  <DD>" << comment.substr(bar + 1, close - bar - 1) << "</DD>\n";
    at = close + 1;
  }
  return notes;
}

// The example value of an argument: the text of its comment's
// "{XMLRPC:value}" group, or 123 when it has none or the group is not
// closed; numbers are typed as the argument's C++ class asks.
Str exampleValue(const Attributes& arg) {
  static const Str marker("{XMLRPC:");
  Str value("123");
  std::size_t start = arg.Comment().find(marker);
  if (start != Str::npos) {
    start += marker.length();
    std::size_t end = arg.Comment().find('}', start);
    if (end != Str::npos) value = arg.Comment().substr(start, end - start);
  }
  const Str& code = TypesPool.findType(arg.Type(), "C");
  if (code == "Int") return "<i4>" + value + "</i4>";
  if (code == "Double") return "<double>" + value + "</double>";
  return value;
}

Str exampleText(const Str& project, const Str& name, const MethodDesc& method) {
  Str text = Str("\n<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n") +
             "<!-- Warning! KX xmlrpc does not parce xml-comments in a request, please REMOVE all comments from "
             "actual request -->\n"
             "<methodCall>\n <methodName>Execute</methodName>\n <params>\n  <param>\n   <value>\n    <struct>\n"
             "     <member>\n      <name>Server</name>\n      <value>" +
             project + "</value>\n     </member>\n     <member>\n      <name>Method</name>\n      <value>" + name +
             "</value>\n     </member>\n     <member>\n      <name>Params</name>\n      <value>\n       <array>\n"
             "        <data>\n";
  for (const Attributes& arg : method.input)
    text << "         <!-- " << arg.Id() << " -->\n         <value>" << exampleValue(arg) << "</value>\n";
  return text << "        </data>\n       </array>\n      </value>\n     </member>\n    </struct>\n   </value>\n"
                 "  </param>\n </params>\n</methodCall>\n";
}

}  // namespace

namespace {

// The fields of a method page, in the numbering of its layout's slots.
enum PageField { nameField, summaryField, syntaxField, notesField, exampleField, pageFieldCount };

// The whole method page with a slot for each of its own fields; every other
// byte is the same on every page of the project.
Str methodPageLayout(const Str& title) {
  Tag pathBar = Tag("TABLE",
                    "BORDER=\"0\" CELLSPACING=\"0\" CELLPADDING=\"4\" HEIGHT=\"24\" WIDTH=\"100%\" "
                    "BGCOLOR=\"#ed1f24\"")[Tag("TR", "")[Tag(
      "TD", "CLASS=\"eyebrow\" VALIGN=\"middle\" ALIGN=\"left\" WIDTH=\"100%\"")["&nbsp;&nbsp;"]
      [Tag("a", "class=\"small\" target=\"_top\" href=\"/default.html\"")["Home"]]["&nbsp;>&nbsp;"]
      [Tag("a", "class=\"small\" target=\"_top\" href=\"/Content/Reference.html\"")["API Reference"]]
      ["&nbsp;>&nbsp;"]]];

  Tag banner = Tag("div", "id=\"nsbanner\"")[(
      Tag("div", "id=\"bannerrow1\"")[Tag("TABLE", "CLASS=\"bannerparthead\" CELLSPACING=0")[Tag(
          "TR", "ID=\"hdr\"")[(Tag("TD", "CLASS=\"runninghead\" nowrap")[title],
                               Tag("TD", "CLASS=\"product\" nowrap")["&nbsp;"])]]],
      Tag("div", "id=\"TitleRow\"")[Tag("H1", "class=\"dtH1\"")[PagePattern::slot(nameField)]])];

  Tag body = Tag("DIV", "id=\"nstext\" valign=\"bottom\"")[(
      Tag("P", "")[PagePattern::slot(summaryField)], Tag("H4", "class=\"dtH4\"")["Syntax"],
      Tag("PRE", "class=\"syntax\"")[PagePattern::slot(syntaxField)],
      Tag("H4", "class=\"dtH4\"")["Special notes"], Tag("DL", "")[PagePattern::slot(notesField)],
      Tag("H4", "class=\"dtH4\"")["Example"],
      Tag("PRE", "class=\"code\"")[(Tag("SPAN", "class=\"lang\"")["[XMLRPC]"],
                                    Tag("xmp", "")[PagePattern::slot(exampleField)])])];

  Str page = Str("<html>\n<head>\n") << metaLine << "\n<title>" << title << "</title>\n";
  for (const char* sheet : {"ie4", "ie5", "dtue", "default"})
    page << "<LINK REL=\"stylesheet\" TYPE=\"text/css\" HREF=\"/common/css/" << sheet << ".css\" />\n";
  return page << "</head>\n<body>\n\n<!-- PATH START -->\n" << Str(pathBar) << "<!-- PATH END -->\n"
              << "<!--BODY  TABLE START-->\n"
              << "<TABLE STYLE=\"table-layout:fixed\" class='clsContainer' CELLPADDING='15' CELLSPACING='0' "
                 "float='left' WIDTH='100%' BORDER='0'> <TR> <TD VALIGN='top'>\n"
              << "<!--NONSCROLLING BANNER START-->\n" << Str(banner) << "<!--NONSCROLLING BANNER END-->\n"
              << Str(body) << "</TABLE>\n"
              << "<!--BODY  TABLE END-->\n</BODY>\n</HTML>\n";
}

}  // namespace

void OrvaleGenerator::GenerateHTMLHelpForMethod(const Str& className, const MethodDesc&) {
  Project& project = generatedProject(project_);
  // The method under the cursor, which the caller's walk stands on and which
  // must not move.
  const MethodDesc& method = project.methods.Body();
  const Str& name = project.methods.Name();
  if (!pageLayout_) pageLayout_ = std::make_unique<PagePattern>(methodPageLayout(pageTitle(project_)), pageFieldCount);

  Str summary = summaryOf(method.comment);
  Str syntax = syntaxText(project_, name, method);
  Str notes = notesText(method.comment);
  Str example = exampleText(project_, name, method);
  page_.clear();
  pageLayout_->fill(page_, {name.std(), summary.std(), syntax.std(), notes.std(), example.std()});

  OutputFile page(pagePath(className, name));
  page.stream().write(page_.data(), static_cast<std::streamsize>(page_.size()));
  page.close();
}
