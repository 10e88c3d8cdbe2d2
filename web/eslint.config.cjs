// The page's scripts under ESLint's recommended rules (scripts/lint-js):
// the window's script in the page, and the site's worker.
'use strict';

const js = require('@eslint/js');
const globals = require('globals');

module.exports = [
  js.configs.recommended,
  {
    files: ['form1.js'],
    languageOptions: {
      sourceType: 'script',
      globals: {
        ...globals.browser,
        // What Emscripten's module script, after this one, defines.
        UTF8ToString: 'readonly', lengthBytesUTF8: 'readonly', stringToUTF8: 'readonly',
        _malloc: 'readonly', _free: 'readonly', tryParseAsDataURI: 'readonly',
        wasmBinaryFile: 'readonly', findWasmBinary: 'readonly',
      },
    },
    rules: {
      // Module is the object Emscripten's script takes its settings from.
      'no-unused-vars': ['error', {varsIgnorePattern: '^Module$'}],
      'no-var': 'off',
    },
  },
  {
    files: ['eslint.config.cjs'],
    languageOptions: {sourceType: 'commonjs', globals: globals.node},
  },
  {
    files: ['site/service_worker.js'],
    languageOptions: {sourceType: 'script', globals: globals.serviceworker},
  },
];
