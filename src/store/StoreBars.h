#pragma once
// The bars that the store's views set up on every show: the top bar with the two store pages and
// the bottom bar with the view's own commands.
#include <initializer_list>

class CFormViewEx;

// Rebuilds the bottom bar with `commands`, in that order; the view's commands in `disabled` start
// disabled, the others enabled.
void ShowStoreBars(CFormViewEx& view, std::initializer_list<int> commands, std::initializer_list<int> disabled);
// The top bar with the installed-software (1102) and store (1101) buttons, `current` marked.
void ShowStorePagesOnTopBar(int current);
// Releases the bottom bar's key `command` when it is latched.
void UnlatchBottomKey(int command);
