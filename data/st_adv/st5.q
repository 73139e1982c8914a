# The Hidden Builders of Coral Reefs

What does the text say a reef seen from a boat can look like?
- a rainforest beneath the sea
- a busy underwater city
+ a garden of rocks and plants
- a field of painted stones

Which of these does the text mention first?
- Darwin's idea about atolls
+ algae giving corals their colors
- the three forms of reef
- the Great Barrier Reef

Which point does the text make in the same paragraph as the Great Barrier Reef?
- drilling later confirmed Darwin's idea
- polyps are relatives of jellyfish
- corals need clear, shallow water
+ some corals live deep without algae

In its list of creatures that depend on reefs, how many kinds does the text name?
- three
- four
+ five
- six

Which of these does the text mention last in its account of reef life?
+ many corals spawning on the same nights
- small fish cleaning larger visitors
- parrotfish grinding coral into sand
- reefs covering a tiny part of the seafloor

Which benefit of reefs to people does the text mention first?
+ protecting shores from storm waves
- feeding millions through fishing
- drawing visitors who spend money
- offering compounds for new medicines

Besides heat, which threat to reefs does the text NOT name?
- pollution
- damaging fishing methods
- seawater growing more acidic
+ crown-of-thorns starfish

Which idea does the text close with?
- reef organisms may one day yield new medicines
+ researchers hope reefs can survive a fast-changing ocean
- many corals recover if the water cools in time
- polyps can build structures that shelter whole coasts
