#pragma once
// Entry points of the description-language front end.

// Sets up the keyword and prohibited-identifier tables of the lexer.
bool initlex();
// Parses the current project's file; answers 0 on success.
int yyparse();
