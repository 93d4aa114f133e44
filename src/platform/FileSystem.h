#pragma once
// File-system helpers of the source search and the conversion driver.
