# The Design of Suspension Bridges

Which point does the text make in its opening paragraph?
- the idea behind them goes back to ancient times
+ they hold almost every record for span length
- the curve of the cables comes from physics, not style
- the cables work entirely in tension

Which point does the text make in its second paragraph?
- the cables pull while the towers are squeezed
- real cable curves lie between two ideal shapes
+ a rope under tension can carry loads over a gap
- a single broken wire hardly weakens a cable

What does the text turn to right after explaining how the load reaches the towers?
+ why the main cables hang in a curve
- how the main cables are spun from wire
- the first bridge built with steel wire cables
- how a steady wind can twist a long deck

Which of these does the text say designers calculate "with great care"?
- the spacing of the hangers
- the thickness of each steel wire
- the depth of the deck trusses
+ the exact curve of the main cables

Which of these bridges does the text NOT mention?
- the Brooklyn Bridge
+ the Golden Gate Bridge
- the Akashi Kaikyo Bridge
- the Tacoma Narrows Bridge

Which of these does the text NOT say about the Tacoma Narrows Bridge?
+ it was nicknamed "Galloping Gertie"
- its deck was narrow and shallow for its length
- it fell only months after it opened
- film of its fall became famous in classrooms

In the famous film, what does the text compare the rolling deck to?
- a flag
- a wave
- a snake
+ a ribbon

The last sentence says the rope makers' idea was refined by mathematics, materials science and what?
- careful testing
- bold imagination
+ hard experience
- modern computers
