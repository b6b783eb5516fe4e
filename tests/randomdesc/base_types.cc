#include "base_types.h"

namespace {

struct Form {
  const char* c;
  const char* qorbex;
  const char* length;  // a text form gives a length
};

const Form kForms[] = {{"Int", "Int", ""}, {"Str", "Str", "24"}, {"char*", "Str", "24"}, {"Date", "Date", ""}};

std::string line(const std::string& type, const Form& form, const char* ws, const char* comm, const char* name) {
  std::string text = type + " : C = \"" + form.c + "\", WS = \"" + ws + "\", COMM = \"" + comm + "\", qorbex = \"" +
                     form.qorbex + "\", ";
  if (*form.length) text += std::string("LEN = \"") + form.length + "\", ";
  return text + "Name = \"" + name + "\";\n";
}

}  // namespace

BaseTypes::BaseTypes(int userForm, int dateForm, bool codeLength, bool textLength)
    : userForm(userForm % 4), dateForm(dateForm % 4), codeLength(codeLength), textLength(textLength) {}

std::string BaseTypes::text(bool wrapper) const {
  const Form code{"char*", "Str", codeLength ? "12" : ""};
  const Form text{"char *", "Str", textLength ? "80" : ""};
  const Form& user = wrapper ? kForms[userForm] : kForms[0];
  const Form& date = wrapper ? kForms[dateForm] : kForms[3];
  return line("Integer", kForms[0], "CODE", "DP_INT", "Integer") + line("Code", code, "LTEXT", "DP_STRING", "Code") +
         line("Text", text, "LTEXT", "DP_STRING", "Text") +
         "Money : C = \"DCurrency\", WS = \"MONEY\", COMM = \"DP_DOUBLE\", qorbex = \"Currency\", Name = \"Money\";\n"
         "Rate : C = \"Double\", WS = \"DOUBLE\", COMM = \"DP_DOUBLE\", qorbex = \"Double\", Name = \"Rate\";\n" +
         line("UserID", user, "CODE", "DP_INT", "User") + line("Date", date, "DATE", "DP_STRING", "Date");
}
