#include "forms/Forms.h"

#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "forms/frmNagScreen2.h"

#include <QPointer>

namespace Forms {

namespace {

struct Registry {
    QPointer<frmMain> main;
    QPointer<frmDisplay> display;
    QPointer<frmNagScreen2> nagScreen2;
    QList<QPointer<QWidget>> order;
    bool quiet = false;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

template <class Form>
Form* load(QPointer<Form>& slot)
{
    if (!slot) {
        slot = new Form;
        registry().order.append(slot.data());
    }
    return slot.data();
}

void forget(QWidget* form)
{
    Registry& r = registry();
    if (r.main == form)
        r.main.clear();
    if (r.display == form)
        r.display.clear();
    if (r.nagScreen2 == form)
        r.nagScreen2.clear();
    r.order.removeAll(form);
}

}  // namespace

frmMain* Main() { return load(registry().main); }
frmDisplay* Display() { return load(registry().display); }
frmNagScreen2* NagScreen2() { return load(registry().nagScreen2); }

frmMain* LoadedMain() { return registry().main.data(); }
frmDisplay* LoadedDisplay() { return registry().display.data(); }
frmNagScreen2* LoadedNagScreen2() { return registry().nagScreen2.data(); }

QList<QWidget*> LoadOrder()
{
    QList<QWidget*> forms;
    for (const QPointer<QWidget>& form : registry().order) {
        if (form)
            forms.append(form.data());
    }
    return forms;
}

void Unload(QWidget* form)
{
    if (!form || !registry().order.contains(form))
        return;
    // Out of the registry first: a handler that refers to this window again
    // gets a fresh copy, and a second unload of it does nothing.
    forget(form);
    if (!registry().quiet) {
        if (auto* handler = dynamic_cast<UnloadHandler*>(form))
            handler->Form_Unload();
    }
    form->hide();
    form->deleteLater();
}

void UnloadAllQuietly()
{
    Registry& r = registry();
    const bool wasQuiet = r.quiet;
    r.quiet = true;
    // Hide everything first, so nothing flickers while the rest goes.
    const QList<QWidget*> forms = LoadOrder();
    for (QWidget* form : forms)
        form->hide();
    for (QWidget* form : forms)
        Unload(form);
    r.quiet = wasQuiet;
}

}  // namespace Forms
