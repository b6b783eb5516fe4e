#pragma once
// WindowsMap: the window model of a project. The window construction that
// fills it is not built, so the model stays empty.
class WindowsMap {};
