// The page's scripts against the browsers the page supports (the browserslist
// in package.json), by MDN's and caniuse's data: an API a supported browser
// lacks is an error. The scripts are plain scripts of ECMAScript 2022, which
// every browser on the list reads.
import compat from "eslint-plugin-compat";
import globals from "globals";

export default [
  {
    files: ["**/*.js"],
    plugins: {compat},
    languageOptions: {
      ecmaVersion: 2022,
      sourceType: "script",
      globals: {...globals.browser, ...globals.serviceworker},
    },
    rules: {"compat/compat": "error"},
  },
];
