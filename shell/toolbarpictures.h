#pragma once
// The pictures of the main window's seven toolbar buttons, drawn here.

#include <QIcon>

enum class ToolbarPicture { NewFrame, OpenFrame, Save, Print, Search, Help, Guide };

QIcon toolbarPicture(ToolbarPicture which);
