#include "shell/document.h"

void Document::changed()
{
    if (changeNotice_)
        changeNotice_();
}

void Document::closing()
{
    closed_ = true;
    changed();
}
