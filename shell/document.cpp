#include "shell/document.h"

#include "shell/MDIForm1.h"

void Document::changed()
{
    if (MDIForm1* main = MDIForm1::instance())
        main->updateActions();
}

void Document::closing()
{
    closed_ = true;
    changed();
}
