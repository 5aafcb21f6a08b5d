// Shared controls: check list, drag-and-drop edit, search box, hyperlink.
#pragma once
