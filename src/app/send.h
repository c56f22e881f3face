#pragma once

#include "link/printerlink.h"

// Where a handler takes the port and rate names: the list items at their indexes, or the texts shown.
enum class NameSource { Items, Texts };

// The main window's port choice as a send reads it.
PortChoice currentPortChoice(NameSource names);

// The full send of CmdStr with the main window's current choice. True when every byte was delivered.
bool fullSend(NameSource names, const SendVariant &variant = {});

// The empty-port check: with no port text, shows NoticeStr and returns false.
bool emptyPortCheck();
