#pragma once

// The order filter's answers to its lookups' Search, written against the
// controls themselves (zev::ZEVCodeDescription, zev::ZEVPersistCombo). The Qt
// form connects them to its widgets' signals:
//
//     connect(customer, &zev::ZEVCodeDescriptionWidget::Search, this,
//             [=](QString& key, bool& found, zev::eSource&) {
//                 found = searchCustomer(customer->codeDescription(), key);
//             });
//
// and its tests run the very same functions over the test kit's in-memory
// host, without a display (OrderLookupsTest.cpp).

#include "codedescription/ZEVCodeDescription.h"
#include "persistcombo/ZEVPersistCombo.h"

// Finds the customer of the lookup's code: shows its name and gives its key.
// A customer on hold is not found, so the code is selected for retyping.
bool searchCustomer(zev::ZEVCodeDescription& lookup, QString& primaryKey);

// Finds the product of the list's code, likewise.
bool searchProduct(zev::ZEVPersistCombo& list, QString& primaryKey);
