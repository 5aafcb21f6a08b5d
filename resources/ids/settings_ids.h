// Settings store.
#pragma once
