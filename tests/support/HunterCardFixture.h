#pragma once

#include "hunters/TfrmAnagrafica.h"
#include "support/CardFixture.h"

// A hunter card shown maximised and active, in its own empty data folder.
using HunterCardFixture = CardFixture<TfrmAnagrafica>;
