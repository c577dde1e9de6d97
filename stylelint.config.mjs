// The page's style sheets against the browsers the page supports (the
// browserslist in package.json), by caniuse's data: a feature a supported
// browser lacks, or has only in part, is an error. A declaration that needs
// none of what a browser lacks says so where it stands.
export default {
  plugins: ["stylelint-no-unsupported-browser-features"],
  rules: {
    "plugin/no-unsupported-browser-features": [true, {
      severity: "error",
      // The underline's thickness and its place under the text, which every
      // browser on the list draws; its shorthand is what some take only in part.
      ignore: ["text-decoration"],
    }],
  },
  overrides: [{
    // The design's fit to the window, as the build writes it, is in force only
    // where a style sheet can divide one length by another (Chrome 140 and
    // later): every such browser has the dynamic viewport's units. Elsewhere
    // the fit's script sets the scale, and the units are never used.
    files: ["**/page-design.css"],
    rules: {
      "plugin/no-unsupported-browser-features": [true, {
        severity: "error",
        ignore: ["text-decoration", "viewport-unit-variants"],
      }],
    },
  }],
};
