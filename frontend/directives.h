#pragma once
// The directives that bring further files into the parse: include and parent
// start a nested project, embed and types read a file as part of the current
// project. Each answers false after reporting through yyerror; the parse then
// ends with result 1.

// `relation` is 0 for include and 1 for parent.
bool includeProject(const char* file, int relation);
// `recordInMain`: an embed (not a types directive) of the main project is
// listed among the main project's files.
bool embedFile(const char* file, bool recordInMain);
