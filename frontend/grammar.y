/* The grammar of the description language. Its actions build the model as
   the text is read: there is no syntax tree. This file holds the top level
   (items and the end of the main file), the four file directives and the
   type declarations; class declarations and the Groups section join the
   alternatives of `item`. */

%code requires {
#include "rt/str.h"
}

%code {
#include "frontend/directives.h"
#include "frontend/lexer.h"
#include "frontend/type_decls.h"
#include "model/process_state.h"
#include "model/project.h"

/* The stacks hold 500 entries and never grow: a deeper nesting is reported
   and ends the parse. Repetitions are left-recursive, so the depth does not
   depend on the length of the description. */
#define YYINITDEPTH 500
#define YYMAXDEPTH 500
#define yyoverflow(message, states, statesSize, values, valuesSize, size) \
  do {                                                                    \
    yyerror("yacc stack overflow");                                       \
    YYABORT;                                                              \
  } while (0)
/* The skeleton keeps a label for stacks that cannot grow, which these never try. */
#pragma GCC diagnostic ignored "-Wunused-label"
}

%define api.header.include {"frontend/grammar.hh"}
%define parse.error simple
%define lr.default-reduction consistent
%expect 0

/* One cell per value: the text of a word, string or comment (valid for the
   whole run), or the value of a number. */
%union {
  const char* text;
  int number;
}

%token END 257
%token <text> IDENT 259
%token <text> TYPENAME 270
%token <text> STRING 271
%token <text> COMMENT 272
%token <number> NUMBER 328

%token <text> KW_OBJECT 258 "Object"
%token <text> KW_GUSERID 260 "GUserID"
%token <text> KW_STATIC 261 "Static"
%token <text> KW_ATTRIBUTES 262 "Attributes"
%token <text> KW_NULL 263 "NULL"
%token <text> KW_NOT 264 "NOT"
%token <text> KW_ICON 265 "Icon"
%token <text> KW_LIST 266 "_______List"
%token <text> KW_OF 267 "of"
%token <text> KW_PK 268 "PK"
%token <text> KW_FK 269 "FK"
%token <text> KW_DATAWINDOW 273 "DataWindow"
%token <text> KW_EDITABLE 274 "editable"
%token <text> KW_METHODS 275 "Methods"
%token <text> KW_VIEWS 276 "Views"
%token <text> KW_CLASS 277 "Class"
%token <text> KW_WINDOW 278 "Window"
%token <text> KW_SK 279 "SK"
%token <text> KW_AUTO_INCREMENT 280 "AUTO_INCREMENT"
%token <text> KW_GK 281 "GK"
%token <text> KW_HIDE 282 "HIDE"
%token <text> KW_NOTAB 283 "NOTAB"
%token <text> KW_INDEX 284 "INDEX"
%token <text> KW_UNIQUE 285 "UNIQUE"
%token <text> KW_ABSTRACT 286 "Abstract"
%token <text> KW_VIRTUAL 287 "Virtual"
%token <text> KW_SINGULAR 288 "Singular"
%token <text> KW_UNARCH 289 "UnArch"
%token <text> KW_MASTER 290 "Master"
%token <text> KW_SLAVE 291 "Slave"
%token <text> KW_RETURNS 292 "returns"
%token <text> KW_SELECT 293 "Select"
%token <text> KW_MANUAL 294 "Manual"
%token <text> KW_EXISTS 295 "Exists"
%token <text> KW_EXCLUDE 296 "exclude"
%token <text> KW_STANDARDINPUT 297 "StandardInput"
%token <text> KW_INTERNAL 298 "Internal"
%token <text> KW_REPORT 299 "Report"
%token <text> KW_FOLDER 300 "Folder"
%token <text> KW_CONST 301 "const"
%token <text> KW_ADDING 302 "adding"
%token <text> KW_REMOVING 303 "removing"
%token <text> KW_MODIFYING 304 "modifying"
%token <text> KW_LONG 305 "long"
%token <text> KW_VIEW 306 "View"
%token <text> KW_INCLUDE 307 "include"
%token <text> KW_PARENT 308 "parent"
%token <text> KW_EMBED 309 "embed"
%token <text> KW_TYPES 310 "types"
%token <text> KW_DISPATCHED 311 "dispatched"
%token <text> KW_ROWNAME 312 "RowName"
%token <text> KW_WHENEMPTY 313 "WhenEmpty"
%token <text> KW_BY 314 "by"
%token <text> KW_ALL 315 "all"
%token <text> KW_NOT_REFERENCIBLE 316 "not_referencible"
%token <text> KW_GROUPS 317 "Groups"
%token <text> KW_ACCESS 318 "access"
%token <text> KW_GRANTED 319 "granted"
%token <text> KW_DENIED 320 "denied"
%token <text> KW_AUDIT 321 "audit"
%token <text> KW_WRITABLE 322 "writable"
%token <text> KW_ADDABLE 323 "addable"
%token <text> KW_UPDATABLE 324 "updatable"
%token <text> KW_REMOVABLE 325 "removable"
%token <text> KW_READONLY 326 "readonly"

%type <text> typeName

%%

/* ---- Top level ---------------------------------------------------------- */

file
  : items fileEnd
  ;

items
  : %empty
  | items item
  ;

/* Items come in any order and in any file; each belongs to the project being
   read at that moment. Class declarations and Groups sections are further
   alternatives here. */
item
  : typeDecl
  | directive
  ;

/* END arrives once the main project's own file has ended and every nested
   project has been completed. */
fileEnd
  : END
      {
        if (CP->input != CP->ownFile) {
          yyerror("syntax error");
          YYABORT;
        }
        YYACCEPT;
      }
  ;

/* ---- File directives ---------------------------------------------------- */

directive
  : "include" STRING  { if (!includeProject($2, 0)) YYABORT; }
  | "parent" STRING   { if (!includeProject($2, 1)) YYABORT; }
  | "embed" STRING    { if (!embedFile($2, true)) YYABORT; }
  | "types" STRING
      {
        yyerror("Warning! Using deprecated directive types. ");
        if (!embedFile($2, false)) YYABORT;
      }
  ;

/* ---- Type declarations -------------------------------------------------- */

/* A name that is registered already lexes as a type name: the same header
   then declares the type again. */
typeDecl
  : typeHead typeFields typeBody
  ;

typeHead
  : typeName ':'                 { beginType($1); }
  | typeName ':' ':'             { beginType($1); }
      TYPENAME                   { deriveType($5); }
      ':'
  ;

typeName
  : IDENT
  | TYPENAME
  ;

typeFields
  : typeField
  | typeFields ',' typeField
  ;

typeField
  : IDENT '=' STRING             { addTypeField($1, $3); }
  ;

typeBody
  : ';'
  | '{' enumItems '}'
  | '(' aliasItems ')'
  ;

enumItems
  : %empty
  | enumItems enumItem
  ;

enumItem
  : enumHead enumOptions ';'
  ;

enumHead
  : IDENT '=' NUMBER STRING      { addEnumItem($1, $4, $3); }
  ;

enumOptions
  : %empty
  | enumOptions ',' IDENT '=' STRING   { addEnumOption($3, $5); }
  ;

aliasItems
  : %empty
  | aliasItems aliasItem
  ;

aliasItem
  : STRING '=' STRING ';'        { addAliasItem($1, $3); }
  ;

%%
