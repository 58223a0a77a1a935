#ifndef MAININTERFACE_H
#define MAININTERFACE_H

#include <QtPlugin>

class AuftragsStore;
class Drucker;
class KundenStore;
class ProduktStore;

// What the main window hands out to the other windows: the renderer and the stores.
class MainInterface
{
public:
    virtual ~MainInterface() = default;

    virtual Drucker* drucker() = 0;
    virtual AuftragsStore* auftragsStore() = 0;
    virtual KundenStore* kundenStore() = 0;
    virtual ProduktStore* produktStore() = 0;
};

Q_DECLARE_INTERFACE(MainInterface, "MainInterface")

#endif
