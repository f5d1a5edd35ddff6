// The precompiled header of Qt's headers is made with this file; it holds no code.
