#pragma once
// The recovery copy of the page, kept in the browser's storage of the site:
// one per edition and tab.
namespace scanfee::web {

// Starts the copy once the summary screen is shown and offers back one an
// earlier page left; a browser that keeps nothing for the site says so, and
// the page runs without one.
void start_browser_recovery();

}  // namespace scanfee::web
