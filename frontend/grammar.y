/* The grammar of the description language. Its actions build the model as
   the text is read: there is no syntax tree. This file holds the top level
   (items and the end of the main file), the four file directives, the type
   declarations, the class declarations with their attributes, methods,
   windows and views, and the Groups sections of access groups and rights. */

%code requires {
#include "rt/str.h"
}

%code {
#include "frontend/attribute_decls.h"
#include "frontend/class_decls.h"
#include "frontend/directives.h"
#include "frontend/group_decls.h"
#include "frontend/lexer.h"
#include "frontend/method_decls.h"
#include "frontend/type_decls.h"
#include "frontend/view_decls.h"
#include "model/process_state.h"
#include "model/project.h"

/* The stacks hold 500 entries and never grow: a deeper nesting is reported
   and ends the parse. Repetitions and the joins of a condition are
   left-recursive, so the depth does not depend on the length of the
   description; parentheses inside the parentheses of a condition are the
   one construct that nests without bound, and so the one that can fill the
   stacks. The generated parser refuses to store the entry that fills its
   stacks, hence one slot more than 500. */
#define YYINITDEPTH 501
#define YYMAXDEPTH 501
#define yyoverflow(message, states, statesSize, values, valuesSize, size)                             \
  do {                                                                                                \
    yyerror("Parentheses nested too deeply in a condition: the parser's stack of 500 entries is full"); \
    YYABORT;                                                                                          \
  } while (0)
/* The skeleton keeps a label for stacks that cannot grow, which these never try. */
#pragma GCC diagnostic ignored "-Wunused-label"

/* Ends the parse at once with a result that tells the semantic error apart;
   the error has been reported already. */
#define END_PARSE_WITH(result) \
  do {                         \
    yyresult = (result);       \
    goto yyreturnlab;          \
  } while (0)
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
%type <text> classBody optComment cref ref refName link nullMark labels
%type <text> entryHead optString
%type <number> qualifier aggregateMark editMark outStar

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
   read at that moment. */
item
  : typeDecl
  | classDecl
  | groupsBlock
  | directive
  ;

/* END arrives once the main project's own file has ended and every nested
   project has been completed. A number cut by the end of a nested or
   embedded file also yields END; accepting it there would end the whole parse
   early and report success, so only the main project's own file may end it. */
fileEnd
  : END
      {
        if (CP != MP || CP->input != CP->ownFile) {
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

/* ---- Class declarations ------------------------------------------------- */

classDecl
  : classHead classBody                       { endClass(ClassKind::Plain, $2); }
  | "Virtual" classHead classBody             { endClass(ClassKind::Virtual, $3); }
  | "Abstract" classHead classBody            { endClass(ClassKind::Abstract, $3); }
  | "UnArch" "Abstract" classHead classBody   { endClass(ClassKind::UnArchAbstract, $4); }
  | "UnArch" classHead classBody              { endClass(ClassKind::UnArch, $3); }
  | "Singular" "Class" IDENT
      { if (int result = beginSingularClass($3)) END_PARSE_WITH(result); }
    classAlias classBody                      { endClass(ClassKind::Plain, $6); }
  ;

classHead
  : "Class" IDENT
      { if (int result = beginClass($2)) END_PARSE_WITH(result); }
    classAlias
  | "Class" IDENT ':' IDENT
      { if (int result = beginDerivedClass($2, $4)) END_PARSE_WITH(result); }
    classAlias
  ;

/* The display name of the class, then its window-id prefix. */
classAlias
  : %empty
  | STRING                  { setClassAliasText($1); }
  | STRING STRING           { setClassAliasText($1); setWindowPrefix($2); }
  ;

/* The value of a class body is its comment. */
classBody
  : '{' optComment members '}'   { $$ = $2; }
  ;

optComment
  : %empty                  { $$ = nullptr; }
  | COMMENT                 { $$ = $1; }
  ;

members
  : %empty
  | members member
  ;

member
  : attributesBlock
  | methodsBlock
  | viewsBlock
  | "Icon" '=' STRING ';'   { setClassIconText($3); }
  ;

/* A class reference: a class of the current project, or P :: C, a class of
   project P. */
cref
  : IDENT                   { $$ = localRef($1); }
  | IDENT ':' ':' IDENT     { $$ = projectRef($1, $4); }
  ;

/* A class reference with an optional name in parentheses. */
ref
  : cref                    { $$ = setRefAlias($1, nullptr); }
  | cref '(' IDENT ')'      { $$ = setRefAlias($1, $3); }
  ;

/* ---- Views -------------------------------------------------------------- */

/* The dialog windows, folders and list views of a class. */
viewsBlock
  : "Views" '{' viewDecls '}'
  ;

viewDecls
  : %empty
  | viewDecls viewDecl
  ;

viewDecl
  : windowDecl
  | folderDecl
  | dataWindowDecl
  ;

windowDecl
  : windowHead '{' windowItems '}'
  ;

/* The title, then the menu item that opens the window. */
windowHead
  : "Window" IDENT STRING STRING
      { if (int result = beginDialog($2, $3, $4, false)) END_PARSE_WITH(result); }
  | "Window" IDENT STRING
      { if (int result = beginDialog($2, $3, nullptr, false)) END_PARSE_WITH(result); }
  ;

folderDecl
  : folderHead '{' folderItems '}'
  ;

folderHead
  : "Folder" IDENT STRING STRING
      { if (int result = beginDialog($2, $3, $4, true)) END_PARSE_WITH(result); }
  | "Folder" IDENT STRING
      { if (int result = beginDialog($2, $3, nullptr, true)) END_PARSE_WITH(result); }
  ;

/* A list view: its comment, its columns, the texts of an empty list, the
   selection condition, the names it leaves out and its entries; after the
   body the columns it hands back. */
dataWindowDecl
  : "DataWindow" IDENT STRING
      { if (int result = beginDataWindow($2, $3)) END_PARSE_WITH(result); }
    '{' optComment columns ';' emptyRow selection exclusion folderItems
      { endDataWindow($6); }
    '}' viewReturns
  ;

windowItems
  : %empty
  | windowItems windowItem
  ;

/* A window may be filled by several methods; a folder or list view by one. */
windowItem
  : methodEntry
  | "StandardInput" ':' siTargets ';'        { setStandardInputCalls(); }
  | acceptedArgs
  ;

folderItems
  : %empty
  | folderItems folderItem
  ;

folderItem
  : methodEntry
  | "StandardInput" ':' siTarget ';'         { setStandardInputCalls(); }
  | acceptedArgs
  ;

/* An action the window offers: its label and hint, the methods it calls and
   its text. */
methodEntry
  : IDENT entryHead entryTargets optString ';' optComment
      { addMethodEntry($1, $2, $4, $6); }
  ;

entryHead
  : '(' STRING ')' ':'                 { $$ = readEntryHead($2, nullptr); }
  | '(' STRING ',' STRING ')' ':'      { $$ = readEntryHead($2, $4); }
  ;

entryTargets
  : entryTarget
  | entryTargets ',' entryTarget
  ;

/* A method of the current class, of class X, or of class X of project P. */
entryTarget
  : IDENT                              { addEntryTarget($1, nullptr, nullptr); }
  | IDENT '.' IDENT                    { addEntryTarget($3, $1, nullptr); }
  | IDENT ':' ':' IDENT '.' IDENT      { addEntryTarget($6, $4, $1); }
  ;

/* A text that may be left out. */
optString
  : %empty                             { $$ = nullptr; }
  | STRING                             { $$ = $1; }
  ;

siTargets
  : siTarget
  | siTargets ',' siTarget
  ;

siTarget
  : IDENT                              { addStandardInputTarget($1, nullptr, nullptr); }
  | IDENT '.' IDENT                    { addStandardInputTarget($3, $1, nullptr); }
  | IDENT ':' ':' IDENT '.' IDENT      { addStandardInputTarget($6, $4, $1); }
  ;

acceptedArgs
  : "StandardInput" '(' acceptedList ')' ';'
  ;

acceptedList
  : accepted
  | acceptedList ',' accepted
  ;

accepted
  : IDENT                              { addAcceptedArg(nullptr, $1, nullptr); }
  | IDENT '.' IDENT                    { addAcceptedArg(nullptr, $3, $1); }
  | IDENT ':' ':' IDENT                { addAcceptedArg($1, $4, nullptr); }
  ;

columns
  : column
  | columns ',' column
  ;

/* A column of the class, an attribute of a class, or an attribute of a
   class under a title (the title written after it then does not count). */
column
  : ref colTail                        { addListColumn($1, nullptr, nullptr); }
  | ref '.' IDENT colTail              { addListColumn($3, $1, nullptr); }
  | ref '.' IDENT '.' IDENT colTail    { addListColumn($5, $1, $3); }
  ;

/* The title, "[+]" for an aggregate, and whether the column is editable. */
colTail
  : aggregateMark editMark             { setColumnMarks(nullptr, $1, $2); }
  | STRING aggregateMark editMark      { setColumnMarks($1, $2, $3); }
  ;

aggregateMark
  : %empty                             { $$ = 0; }
  | '[' '+' ']'                        { $$ = 1; }
  ;

editMark
  : %empty                             { $$ = 0; }
  | "editable"                         { $$ = 1; }
  ;

emptyRow
  : %empty                                       { setEmptyRow(nullptr, nullptr); }
  | "WhenEmpty" STRING ';'                       { setEmptyRow($2, nullptr); }
  | "RowName" STRING ';'                         { setEmptyRow(nullptr, $2); }
  | "RowName" STRING ',' "WhenEmpty" STRING ';'  { setEmptyRow($5, $2); }
  ;

selection
  : %empty
  | "Select" cond ';'                  { endSelection(0); }
  | "Manual" "Select" cond ';'         { endSelection(1); }
  ;

/* Comparisons joined by "|" and "&". Parentheses group for the parser
   only: the view receives the comparisons and signs as one flat sequence in
   written order, whatever the grouping, so the joins are read from the left
   and a condition of any length keeps the stacks shallow; only parentheses
   nested in parentheses deepen them. */
cond
  : condTerm
  | cond '|'                           { joinConditions("||"); }
    condTerm
  | cond '&'                           { joinConditions("&&"); }
    condTerm
  ;

condTerm
  : '(' cond ')'
  | comparison
  ;

/* The left side is always a column, also when its name is an enumeration
   item; only the right side may be a constant. */
comparison
  : leftOperand compare rhs
  ;

leftOperand
  : ref                                { readConditionColumn($1, nullptr, nullptr); }
  | condColumn
  ;

compare
  : '>'                                { readCompareSign("> "); }
  | '<'                                { readCompareSign("< "); }
  | '='                                { readCompareSign("=="); }
  | '<' '='                            { readCompareSign("<="); }
  | '>' '='                            { readCompareSign(">="); }
  | '!' '='                            { readCompareSign("!="); }
  ;

/* "+" before a column marks an outer join. */
rhs
  : ref                                { compareWithName($1, false); }
  | '+' ref                            { compareWithName($2, true); }
  | condColumn                         { compareWithColumn(false); }
  | '+' condColumn                     { compareWithColumn(true); }
  | STRING                             { compareWithValue($1, Atom::literal); }
  | "GUserID"                          { compareWithValue($1, Atom::global); }
  ;

/* An attribute of a class, titled by the name in parentheses after the
   class, or by the middle name. */
condColumn
  : ref '.' IDENT                      { readConditionColumn($3, $1, refAlias); }
  | ref '.' IDENT '.' IDENT            { readConditionColumn($5, $1, $3); }
  ;

exclusion
  : %empty
  | "exclude" excludedNames ';'
  ;

excludedNames
  : IDENT                              { addExcludedName($1); }
  | excludedNames ',' IDENT            { addExcludedName($3); }
  ;

viewReturns
  : %empty
  | "returns" ';'
  | "returns" outs ';'
  ;

outs
  : out
  | outs ',' out
  ;

/* A result column: a text before it, "*" for a drop-down list, the column,
   and a text after it. */
out
  : optString outStar ref optString
      { if (int result = addResultColumn($1, $2, $3, nullptr, $4)) END_PARSE_WITH(result); }
  | optString outStar ref '.' IDENT optString
      { if (int result = addResultColumn($1, $2, $5, $3, $6)) END_PARSE_WITH(result); }
  ;

outStar
  : %empty                             { $$ = 0; }
  | '*'                                { $$ = 1; }
  ;

/* ---- Methods ------------------------------------------------------------ */

methodsBlock
  : "Methods" '{' methods '}'
  ;

methods
  : %empty
  | methods method
  ;

method
  : qualifier IDENT
      { if (int result = beginMethod($2, $1)) END_PARSE_WITH(result); }
    args dispatchPart returnsPart ';' optComment
      { endMethod($8); }
  | "Internal" IDENT
      { if (int result = beginInternalMethod($2)) END_PARSE_WITH(result); }
    args returnsPart ';' optComment
      { endMethod($7); }
  | "Report" qualifier IDENT
      { if (int result = beginMethod($3, $2 | kReportBit)) END_PARSE_WITH(result); }
    args returnsPart ';' optComment
      { endMethod($8); }
  | "Virtual" qualifier IDENT
      { if (int result = beginMethod($3, $2 | kVirtualBit)) END_PARSE_WITH(result); }
    args dispatchPart returnsPart ';' optComment
      { endMethod($9); }
  | "View" IDENT
      { if (int result = beginViewClass($2)) END_PARSE_WITH(result); }
    '(' viewColumns ')' ';' optComment
  ;

qualifier
  : %empty                  { $$ = kUnqualifiedMethod; }
  | "const"                 { $$ = kConstMethod; }
  | "long"                  { $$ = kLongMethod; }
  | "long" "const"          { $$ = kLongConstMethod; }
  | "const" "long"          { $$ = kLongConstMethod; }
  | "adding"                { $$ = kAddingMethod; }
  | "removing"              { $$ = kRemovingMethod; }
  ;

args
  : '('                     { readInputArgs(); }
    arguments ')'
  | '(' '.' '.' '.' ')'     { setDataPacketInput(); }
  ;

returnsPart
  : %empty
  | "returns"               { readResultArgs(); }
    arguments
  ;

dispatchPart
  : %empty
  | "dispatched" "by" dispatchers
  ;

dispatchers
  : dispatcher
  | dispatchers ',' dispatcher
  ;

dispatcher
  : cref '.' IDENT          { addDispatcher($1, $3); }
  ;

arguments
  : %empty
  | argumentList
  ;

argumentList
  : argument
  | argumentList ',' argument
  ;

/* An argument names an attribute (or a class) and may name the window that
   supplies its value after the arrow "<-". */
argument
  : argMarker cref
      { addArgument($2, nullptr); }
  | argMarker cref '.' IDENT
      { addArgument($4, $2); }
  | argMarker cref '<' '-' IDENT
      { addArgumentFromWindow($2, nullptr, $5, nullptr, nullptr); }
  | argMarker cref '<' '-' IDENT '.' IDENT
      { addArgumentFromWindow($2, nullptr, $7, $5, nullptr); }
  | argMarker cref '<' '-' IDENT ':' ':' IDENT '.' IDENT
      { addArgumentFromWindow($2, nullptr, $10, $8, $5); }
  | argMarker cref '.' IDENT '<' '-' IDENT '.' IDENT
      { addArgumentFromWindow($4, $2, $9, $7, nullptr); }
  ;

/* "*" marks a required argument, "-" a hidden one. */
argMarker
  : %empty                  { setArgMarkers(false, false); }
  | '*'                     { setArgMarkers(true, false); }
  | '-'                     { setArgMarkers(false, true); }
  ;

viewColumns
  : viewColumn
  | viewColumns ',' viewColumn
  ;

viewColumn
  : cref
      { if (int result = addViewColumn($1, nullptr)) END_PARSE_WITH(result); }
  | cref '.' IDENT
      { if (int result = addViewColumn($1, $3)) END_PARSE_WITH(result); }
  ;

/* ---- Attributes --------------------------------------------------------- */

attributesBlock
  : "Attributes"            { beginAttributes(); }
    '{' attrItems '}'
  ;

attrItems
  : %empty
  | attrItems               { beginAttrItem(); }
    attrItem
  ;

attrItem
  : STRING ':'
      { setAttrGroup($1); }
  | ref refName link source init update labels ';' optComment
      {
        if (int result = addAttribute({AttrForm::Reference, $1, $2, $3, nullptr, $7, $9}))
          END_PARSE_WITH(result);
      }
  | ref refName link ',' keys source init update labels ';' optComment
      {
        if (int result = addAttribute({AttrForm::KeyedReference, $1, $2, $3, nullptr, $9, $11}))
          END_PARSE_WITH(result);
      }
  | TYPENAME IDENT source init update labels ';' optComment
      {
        if (int result = addAttribute({AttrForm::Typed, $1, $2, nullptr, nullptr, $6, $8}))
          END_PARSE_WITH(result);
      }
  | TYPENAME IDENT ',' keys source init update labels ';' optComment
      {
        if (int result = addAttribute({AttrForm::KeyedTyped, $1, $2, nullptr, nullptr, $8, $10}))
          END_PARSE_WITH(result);
      }
  | "Virtual" TYPENAME IDENT nullMark source labels ';' optComment
      {
        if (int result = addAttribute({AttrForm::VirtualTyped, $2, $3, $4, nullptr, $6, $8}))
          END_PARSE_WITH(result);
      }
  | "Virtual" ref '.' IDENT refName source labels ';' optComment
      {
        if (int result = addAttribute({AttrForm::VirtualAttribute, $2, $5, nullptr, $4, $7, $9}))
          END_PARSE_WITH(result);
      }
  | "Virtual" ref refName source labels ';' optComment
      {
        if (int result = addAttribute({AttrForm::VirtualReference, $2, $3, nullptr, nullptr, $5, $7}))
          END_PARSE_WITH(result);
      }
  ;

refName
  : %empty                  { $$ = nullptr; }
  | IDENT                   { $$ = $1; }
  ;

link
  : %empty                  { $$ = nullptr; }
  | "Master"                { $$ = $1; }
  | "Slave"                 { $$ = $1; }
  ;

keys
  : key
  | keys ',' key
  ;

key
  : "PK"                    { addKey($1); }
  | "GK"                    { addKey($1); }
  | "SK"                    { addKey($1); }
  | "AUTO_INCREMENT"        { addKey($1); }
  | "INDEX"                 { addKey($1); }
  | "HIDE"                  { addKey($1); }
  | "NOTAB"                 { addKey($1); }
  | "UNIQUE"                { addKey($1); }
  | "NOT" "NULL"            { addKey($1); }
  | "NULL"                  { addKey($1); }
  ;

nullMark
  : %empty                  { $$ = nullptr; }
  | ',' "HIDE"              { $$ = $2; }
  | ',' "NOT" "NULL"        { $$ = $2; }
  | ',' "NULL"              { $$ = $2; }
  ;

/* The window that supplies the default value: "<-" class "." window. */
source
  : %empty
      { setSource(nullptr, nullptr, nullptr); }
  | '<' '-' IDENT '.' IDENT
      { setSource($5, $3, nullptr); }
  | '<' '-' IDENT ':' ':' IDENT '.' IDENT
      { setSource($8, $6, $3); }
  ;

init
  : %empty                  { setInitValue("", kTextValue); }
  | '=' STRING              { setInitValue($2, kTextValue); }
  | '=' "GUserID"           { setInitValue($2, kGlobalValue); }
  | '=' IDENT
      { if (int result = setInitValue($2, kEnumValue)) END_PARSE_WITH(result); }
  ;

update
  : %empty                  { setUpdateValue("", kTextValue); }
  | '-' '>' STRING          { setUpdateValue($3, kTextValue); }
  | '-' '>' "GUserID"       { setUpdateValue($3, kGlobalValue); }
  | '-' '>' IDENT
      { if (int result = setUpdateValue($3, kEnumValue)) END_PARSE_WITH(result); }
  | "Static"                { setUpdateValue("", kStaticUpdate); }
  ;

/* The display name, then the hint. */
labels
  : %empty                  { $$ = readLabels(nullptr, nullptr); }
  | STRING                  { $$ = readLabels($1, nullptr); }
  | STRING ',' STRING       { $$ = readLabels($1, $3); }
  ;

/* ---- Groups ------------------------------------------------------------- */

/* The groups first, then the rights class by class. Each check runs as soon
   as the words it needs are read, so an unknown name stops the parse there. */
groupsBlock
  : "Groups" '{' groupDecls classEntries '}'
  ;

groupDecls
  : groupDecl
  | groupDecls groupDecl
  ;

groupDecl
  : IDENT NUMBER ';'        { declareGroup($1, $2); }
  ;

classEntries
  : classEntry
  | classEntries classEntry
  ;

classEntry
  : classEntryHead entryMode rights
      { makeReferencible(); }
    notReferencible classEntryEnd
  ;

classEntryHead
  : IDENT "access"
      { if (int result = beginClassEntry($1)) END_PARSE_WITH(result); }
  ;

entryMode
  : "granted"               { setClassEntryMode(true); }
  | "denied"                { setClassEntryMode(false); }
  ;

/* Groups named before any right word get the writable right. */
rights
  : leadingGroups rightItems
  ;

leadingGroups
  : %empty
  | leadingGroups IDENT
      { if (int result = applyRight(GroupRight::Writable, $2)) END_PARSE_WITH(result); }
  ;

rightItems
  : %empty
  | rightItems rightItem
  ;

rightItem
  : writableGroups
  | "writable" "all"        { applyWritableToAll(true); }
  | "all"                   { applyWritableToAll(false); }
  | auditGroups
  | "audit" "all"           { applyRightToAll(GroupRight::Archive); }
  | readonlyGroups
  | "readonly" "all"        { applyRightToAll(GroupRight::Readonly); }
  | addableGroups
  | "addable" "all"         { applyRightToAll(GroupRight::Addable); }
  | updatableGroups
  | "updatable" "all"       { applyRightToAll(GroupRight::Updatable); }
  | removableGroups
  | "removable" "all"       { applyRightToAll(GroupRight::Removable); }
  ;

writableGroups
  : "writable" IDENT
      { if (int result = applyRight(GroupRight::Writable, $2)) END_PARSE_WITH(result); }
  | writableGroups IDENT
      { if (int result = applyRight(GroupRight::Writable, $2)) END_PARSE_WITH(result); }
  ;

auditGroups
  : "audit" IDENT
      { if (int result = applyRight(GroupRight::Archive, $2)) END_PARSE_WITH(result); }
  | auditGroups IDENT
      { if (int result = applyRight(GroupRight::Archive, $2)) END_PARSE_WITH(result); }
  ;

readonlyGroups
  : "readonly" IDENT
      { if (int result = applyRight(GroupRight::Readonly, $2)) END_PARSE_WITH(result); }
  | readonlyGroups IDENT
      { if (int result = applyRight(GroupRight::Readonly, $2)) END_PARSE_WITH(result); }
  ;

addableGroups
  : "addable" IDENT
      { if (int result = applyRight(GroupRight::Addable, $2)) END_PARSE_WITH(result); }
  | addableGroups IDENT
      { if (int result = applyRight(GroupRight::Addable, $2)) END_PARSE_WITH(result); }
  ;

updatableGroups
  : "updatable" IDENT
      { if (int result = applyRight(GroupRight::Updatable, $2)) END_PARSE_WITH(result); }
  | updatableGroups IDENT
      { if (int result = applyRight(GroupRight::Updatable, $2)) END_PARSE_WITH(result); }
  ;

removableGroups
  : "removable" IDENT
      { if (int result = applyRight(GroupRight::Removable, $2)) END_PARSE_WITH(result); }
  | removableGroups IDENT
      { if (int result = applyRight(GroupRight::Removable, $2)) END_PARSE_WITH(result); }
  ;

notReferencible
  : %empty
  | unreferencibleGroups
  ;

unreferencibleGroups
  : "not_referencible" IDENT
      { if (int result = makeUnreferencible($2)) END_PARSE_WITH(result); }
  | unreferencibleGroups IDENT
      { if (int result = makeUnreferencible($2)) END_PARSE_WITH(result); }
  ;

classEntryEnd
  : ';'
  | '{' methodAccessEntries '}'
  ;

methodAccessEntries
  : methodAccessEntry
  | methodAccessEntries methodAccessEntry
  ;

/* `granted` grants the method to the groups; `denied` hard-denies it, which
   no other right can undo. */
methodAccessEntry
  : methodAccessHead methodGroups ';'
  | IDENT "granted" "all" ';'
      { if (int result = applyMethodToAll($1, true)) END_PARSE_WITH(result); }
  | IDENT "denied" "all" ';'
      { if (int result = applyMethodToAll($1, false)) END_PARSE_WITH(result); }
  ;

methodAccessHead
  : IDENT "granted"
      { if (int result = beginMethodEntry($1, true)) END_PARSE_WITH(result); }
  | IDENT "denied"
      { if (int result = beginMethodEntry($1, false)) END_PARSE_WITH(result); }
  ;

methodGroups
  : IDENT
      { if (int result = applyMethodGroup($1)) END_PARSE_WITH(result); }
  | methodGroups IDENT
      { if (int result = applyMethodGroup($2)) END_PARSE_WITH(result); }
  ;

%%
