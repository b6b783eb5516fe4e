#pragma once
// The access model of a project: rights per class, method and group
// (AccessList) and reference rights per class (RefsList). Empty records until
// the access model is built.
class AccessList {};
class RefsList {};
