// The program's resources, handed to the framework layer at start-up.
#pragma once

#include <span>

#include "framework/resources.h"
#include "res/resource_ids.h"

const AfxResourceSet& QuarvelResources();

// The tables of each kind, each defined in its own file of this folder.
std::span<const StringResource> QuarvelStrings();
std::span<const DialogResource> QuarvelDialogs();
std::span<const BinaryResource> QuarvelDialogInits();
std::span<const MenuResource> QuarvelMenus();
std::span<const AcceleratorResource> QuarvelAccelerators();
std::span<const BinaryResource> QuarvelToolbars();
std::span<const BinaryResource> QuarvelBitmaps();
std::span<const BinaryResource> QuarvelIcons();
const VersionInfo* QuarvelVersion();

// The two dialog templates.
extern const DialogTemplate kCalculatorForm;
extern const DialogTemplate kAboutBox;
