#pragma once
// The base types of a random description's type files. A type file chooses
// some of their fields freely: whether a text type gives a length, and the
// C++ form in which the user and the time of a change are held (Int, Str,
// char* or Date, with the column class that matches). The server's audit
// values are the platform's own members, so the type file the servers are
// checked with keeps the forms of those members (Int and Date); the QPX
// wrapper declares its own audit values and is checked with the drawn forms.
#include <string>

class BaseTypes {
public:
  // userForm and dateForm pick one of the four C++ forms (0 to 3).
  BaseTypes(int userForm, int dateForm, bool codeLength, bool textLength);

  // The type file's base types for the servers, or for the wrapper.
  std::string text(bool wrapper) const;

private:
  int userForm;
  int dateForm;
  bool codeLength;
  bool textLength;
};
