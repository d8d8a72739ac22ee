#include "res/resources.h"

const AfxResourceSet& QuarvelResources() {
    static const AfxResourceSet set{
        QuarvelStrings(), QuarvelDialogs(),      QuarvelDialogInits(),
        QuarvelMenus(),   QuarvelAccelerators(), QuarvelToolbars(),
        QuarvelBitmaps(), QuarvelIcons(),        QuarvelVersion(),
    };
    return set;
}
